// Decodes the same camera frames with our decoder and with libjpeg-turbo in one run and prints
// the throughput ratios: full decode (BGR, nearest-neighbour chroma, accurate integer IDCT) and
// the DC-only decode against libjpeg-turbo's 1/8 scaling to luma.
//   qv-bench-jpeg [--benchmark_repetitions=N]   (ratios use the medians when repeated)
#include <benchmark/benchmark.h>

#include <csetjmp>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "fixtures/camera_recording.h"
#include "fixtures/synthetic_picture.h"
#include "media/jpeg/jpeg_context.h"
#include "media/jpeg/jpeg_decoder.h"

namespace {

using qv::fixtures::Bytes;

struct Sample {
    int width, height;
    Bytes jpeg;
};

const Sample& SampleOf(int width) {
    static const Sample big = [] {
        qv::fixtures::SceneOptions o;
        o.frame = 40;
        qv::fixtures::FrameSegments segs;
        segs.settings = qv::fixtures::CameraSettings{};
        segs.capture_time = 25764480000ull;
        return Sample{1280, 1024,
                      qv::fixtures::CameraFrame(qv::fixtures::TimeLapseScene(1280, 1024, o), segs)};
    }();
    static const Sample vga = [] {
        qv::fixtures::SceneOptions o;
        o.frame = 40;
        qv::fixtures::FrameSegments segs;
        segs.settings = qv::fixtures::CameraSettings{};
        segs.capture_time = 25764480000ull;
        return Sample{640, 480,
                      qv::fixtures::CameraFrame(qv::fixtures::TimeLapseScene(640, 480, o), segs)};
    }();
    return width == 1280 ? big : vga;
}

struct Ours {
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::JpgContext ctx{metadata, flags, switches};
};

void OursFull(benchmark::State& state) {
    const Sample& s = SampleOf(static_cast<int>(state.range(0)));
    Ours d;
    d.ctx.AllocatePlanes(s.width, s.height);
    qv::Picture pic;
    pic.Allocate(s.width, s.height);
    const int check =
        qv::JpgDecodeFrame(d.ctx, s.jpeg.data(), s.jpeg.size(), pic, nullptr, nullptr);
    if (check != 0) state.SkipWithError(("decode returned " + std::to_string(check)).c_str());
    for (auto _ : state) {
        int r = qv::JpgDecodeFrame(d.ctx, s.jpeg.data(), s.jpeg.size(), pic, nullptr, nullptr);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(pic.pixels.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void OursDc(benchmark::State& state) {
    const Sample& s = SampleOf(static_cast<int>(state.range(0)));
    Ours d;
    d.ctx.AllocatePlanes(s.width, s.height);
    const int across = d.ctx.PaddedWidth() / 8, rows = d.ctx.PaddedHeight() / 8;
    std::vector<uint8_t> luma(static_cast<size_t>(across) * rows);
    const int check = qv::JpgDecodeDc(d.ctx, s.jpeg.data(), s.jpeg.size(), luma.data(), nullptr,
                                      nullptr, across, rows);
    if (check != 0) state.SkipWithError(("DC decode returned " + std::to_string(check)).c_str());
    for (auto _ : state) {
        int r = qv::JpgDecodeDc(d.ctx, s.jpeg.data(), s.jpeg.size(), luma.data(), nullptr, nullptr,
                                across, rows);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(luma.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// libjpeg-turbo with one decompressor reused for every frame, as a player would keep it.
class Libjpeg {
  public:
    Libjpeg() {
        cinfo_.err = jpeg_std_error(&err_);
        jpeg_create_decompress(&cinfo_);
    }
    ~Libjpeg() { jpeg_destroy_decompress(&cinfo_); }

    void Decode(const Bytes& jpeg, bool luma_eighth, std::vector<uint8_t>& out) {
        jpeg_mem_src(&cinfo_, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&cinfo_, TRUE);
        cinfo_.dct_method = JDCT_ISLOW;
        cinfo_.do_fancy_upsampling = FALSE;
        if (luma_eighth) {
            cinfo_.out_color_space = JCS_GRAYSCALE;
            cinfo_.scale_num = 1;
            cinfo_.scale_denom = 8;
        } else {
            cinfo_.out_color_space = JCS_EXT_BGR;
        }
        jpeg_start_decompress(&cinfo_);
        const size_t stride = static_cast<size_t>(cinfo_.output_width) * cinfo_.output_components;
        if (out.size() < stride * cinfo_.output_height) out.resize(stride * cinfo_.output_height);
        while (cinfo_.output_scanline < cinfo_.output_height) {
            JSAMPROW rows[8];
            for (int i = 0; i < 8; ++i)
                rows[i] = out.data() + stride * std::min<size_t>(cinfo_.output_scanline + i,
                                                                 cinfo_.output_height - 1);
            jpeg_read_scanlines(&cinfo_, rows, 8);
        }
        jpeg_finish_decompress(&cinfo_);
    }

  private:
    jpeg_decompress_struct cinfo_{};
    jpeg_error_mgr err_{};
};

void LibjpegFull(benchmark::State& state) {
    const Sample& s = SampleOf(static_cast<int>(state.range(0)));
    Libjpeg lib;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        lib.Decode(s.jpeg, false, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void LibjpegEighth(benchmark::State& state) {
    const Sample& s = SampleOf(static_cast<int>(state.range(0)));
    Libjpeg lib;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        lib.Decode(s.jpeg, true, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(OursFull)->Arg(1280)->Arg(640)->Unit(benchmark::kMillisecond);
BENCHMARK(LibjpegFull)->Arg(1280)->Arg(640)->Unit(benchmark::kMillisecond);
BENCHMARK(OursDc)->Arg(1280)->Arg(640)->Unit(benchmark::kMillisecond);
BENCHMARK(LibjpegEighth)->Arg(1280)->Arg(640)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of every run (the median when repetitions are asked for).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (median || single) times_[r.run_name.str()] = r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        std::printf(
            "\nthroughput ratio from CPU time per frame (libjpeg-turbo / ours; above 1 = we are "
            "faster)\n");
        for (const char* size : {"1280", "640"}) {
            Print("full decode", "OursFull/", "LibjpegFull/", size);
            Print("DC decode vs 1/8 scale", "OursDc/", "LibjpegEighth/", size);
        }
    }

  private:
    void Print(const char* what, const char* ours, const char* lib, const char* size) const {
        const auto o = times_.find(std::string(ours) + size);
        const auto l = times_.find(std::string(lib) + size);
        if (o == times_.end() || l == times_.end() || o->second <= 0) return;
        std::printf("  %-24s %4s wide: ours %.3f ms, libjpeg-turbo %.3f ms, ratio %.2f\n", what,
                    size, o->second, l->second, l->second / o->second);
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

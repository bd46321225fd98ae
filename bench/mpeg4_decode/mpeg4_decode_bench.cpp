// Decodes the same camera streams (150 pictures, GOP 15, ffmpeg's encoder with real motion) with
// our decoder and with ffmpeg (-threads 1, output to -f null) in one run and prints the
// throughput ratios at 640x480 and 1280x1024: decoding only against ffmpeg's decode, and the
// 24-bit picture (without and with deblocking method 2) against ffmpeg's decode converted to
// bgr24.
//   qv-bench-mpeg4 [--benchmark_repetitions=N]
// Our time is CPU time per stream (the median when repeated). ffmpeg's time is its own user time
// ("-benchmark") for the whole stream, less the time of a run that decodes a single picture
// (process start, probing), median of five runs each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "media/mpeg4/stream_decoder.h"

namespace {

std::string Stream(int width) {
    return std::string(QV_FIXTURE_DIR) + "/m4v/bench_" + (width == 1280 ? "1280x1024" : "640x480") +
           ".m4v";
}

std::map<std::string, double> g_ours_seconds;  // per benchmark name: seconds per stream

void Decode(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int deblock = static_cast<int>(state.range(1));
    const bool rgb = state.range(2) != 0;
    qv::mpeg4::StreamDecoder d;
    if (d.OpenStreamFile(Stream(width)) <= 0) {
        state.SkipWithError("no stream; run tools/m4v_fixtures/make_fixtures.sh --bench");
        return;
    }
    d.deblock_method = deblock;
    qv::Picture picture;
    picture.Allocate(d.Width(), d.Height());
    int pictures = 0;
    for (auto _ : state) {
        d.RewindToFirstVop();
        pictures = 0;
        while (d.DecodeNextFrame(rgb ? &picture : nullptr, nullptr, false, nullptr, nullptr,
                                 nullptr) >= 0)
            ++pictures;
        benchmark::DoNotOptimize(picture.pixels.data());
    }
    state.counters["pictures_per_s"] =
        benchmark::Counter(pictures, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(Decode)
    ->ArgNames({"width", "deblock", "rgb"})
    ->Args({640, 0, 0})
    ->Args({640, 0, 1})
    ->Args({640, 2, 1})
    ->Args({1280, 0, 0})
    ->Args({1280, 0, 1})
    ->Args({1280, 2, 1})
    ->Unit(benchmark::kMillisecond);

// User seconds ffmpeg reports for decoding the first `frames` pictures (0: all).
double FfmpegUserSeconds(const std::string& path, int frames, bool bgr24) {
    std::string cmd = "ffmpeg -hide_banner -nostdin -benchmark -threads 1 -i " + path +
                      (frames ? " -frames:v " + std::to_string(frames) : std::string()) +
                      (bgr24 ? " -pix_fmt bgr24" : "") + " -f null - 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char line[512];
    double utime = -1;
    while (std::fgets(line, sizeof line, p)) {
        const char* at = std::strstr(line, "utime=");
        if (at) utime = std::atof(at + 6);
    }
    pclose(p);
    return utime;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// ffmpeg's seconds for the whole stream less those of a run that stops after one picture.
double FfmpegStreamSeconds(const std::string& path, bool bgr24) {
    std::vector<double> all, one;
    for (int i = 0; i < 5; ++i) {
        all.push_back(FfmpegUserSeconds(path, 0, bgr24));
        one.push_back(FfmpegUserSeconds(path, 1, bgr24));
    }
    return Median(all) - Median(one);
}

// Our benchmark names carry the repetition suffix when repeated; the first match is taken.
void Ratio(const char* what, double ffmpeg, const std::string& name) {
    for (const auto& [run, ours] : g_ours_seconds) {
        if (run.rfind(name, 0) != 0) continue;
        std::printf("    ratio %-44s %.2f\n", what, ours > 0 ? ffmpeg / ours : 0.0);
        return;
    }
}

class Collector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.aggregate_name == "median";
            if (r.run_type == Run::RT_Iteration || median) {
                std::string name = r.run_name.str();
                if (median || !g_ours_seconds.count(name))
                    g_ours_seconds[name] = r.GetAdjustedCPUTime() / 1e3;  // ms -> s
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string make =
        std::string(QV_MAKE_FIXTURES) + " " + QV_FIXTURE_TOOL + " " + QV_FIXTURE_DIR + " --bench";
    if (std::system(make.c_str()) != 0) return 1;
    benchmark::Initialize(&argc, argv);
    Collector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nffmpeg (-threads 1, -f null), user time less start-up, median of 5 runs:\n");
    for (int width : {640, 1280}) {
        const double plain = FfmpegStreamSeconds(Stream(width), false);
        const double bgr24 = FfmpegStreamSeconds(Stream(width), true);
        std::printf("  %4d: %.4f s per stream, %.4f s with -pix_fmt bgr24\n", width, plain, bgr24);
        const std::string w = "Decode/width:" + std::to_string(width);
        Ratio("decode only, against ffmpeg", plain, w + "/deblock:0/rgb:0");
        Ratio("24-bit picture, against ffmpeg bgr24", bgr24, w + "/deblock:0/rgb:1");
        Ratio("24-bit deblocked (2), against ffmpeg bgr24", bgr24, w + "/deblock:2/rgb:1");
    }
    return 0;
}

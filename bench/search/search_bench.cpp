// A motion search pass that finds nothing, against libjpeg-turbo decoding the same frames at 1/8
// scale and ffmpeg's scene-change scan, in one run on one core, file reading included.
//   qv-bench-search [RECORDING.avi] [--repetitions N]
// Without a recording it writes a 300-frame 1280x1024 one with sensor grain (frames of 200 to
// 300 KB) to the temporary folder. Prints frames per second (CPU time, medians) and the ratios.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

// libjpeg's header needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "fixtures/camera_recording.h"
#include "media/avi/avi_movie.h"
#include "platform/file.h"
#include "search/avi_search_movie.h"
#include "search/motion_search.h"

namespace {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double ChildSeconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

std::string MakeRecording() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "qv_search_bench_1280.avi").string();
    if (std::filesystem::exists(path)) return path;
    qv::fixtures::RecordingOptions o;
    o.avi.width = 1280;
    o.avi.height = 1024;
    o.frame_count = 300;
    o.encode.quality = 90;
    o.noise_amplitude = 11;
    std::fprintf(stderr, "writing %s ...\n", path.c_str());
    qv::fixtures::WriteBytes(path, qv::fixtures::MakeRecording(o).avi.bytes);
    return path;
}

// Our pass over the whole recording with a threshold that never finds motion.
double OursSeconds(const std::string& path) {
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::AviMovie movie(metadata, flags, switches);
    if (movie.AviOpen(path) != 0) return -1;
    qv::search::AviSearchMovie search(movie);
    qv::search::PassView view;
    qv::search::MotionSearch pass(search, view);
    const double t0 = ThreadSeconds();
    search.Attach(path);
    const int r = pass.MotionSearchPass(0, movie.FrameCount(), 255);
    const double t = ThreadSeconds() - t0;
    return r == 0 ? t : -1;
}

// libjpeg-turbo: every frame read from the file and decoded at 1/8 scale to grey.
double TurboSeconds(const std::string& path, std::vector<uint8_t>& buffer) {
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::AviMovie movie(metadata, flags, switches);
    if (movie.AviOpen(path) != 0) return -1;
    qv::platform::File file;
    if (!file.OpenRead(path)) return -1;
    jpeg_decompress_struct d{};
    jpeg_error_mgr err{};
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    std::vector<uint8_t> row(1280);
    const double t0 = ThreadSeconds();
    for (const qv::AviFrameEntry& e : movie.FrameIndex()) {
        buffer.resize(e.size);
        if (!file.ReadAt(int64_t{e.offset} + 8, buffer.data(), e.size)) return -1;
        jpeg_mem_src(&d, buffer.data(), e.size);
        jpeg_read_header(&d, TRUE);
        d.scale_num = 1;
        d.scale_denom = 8;
        d.out_color_space = JCS_GRAYSCALE;
        jpeg_start_decompress(&d);
        row.resize(d.output_width);
        while (d.output_scanline < d.output_height) {
            JSAMPROW r = row.data();
            jpeg_read_scanlines(&d, &r, 1);
        }
        jpeg_finish_decompress(&d);
    }
    const double t = ThreadSeconds() - t0;
    jpeg_destroy_decompress(&d);
    return t;
}

double FfmpegSeconds(const std::string& path) {
    const std::string cmd = "ffmpeg -nostdin -loglevel error -threads 1 -i '" + path +
                            "' -vf \"select='gt(scene,0.01)'\" -f null - >/dev/null 2>&1";
    const double t0 = ChildSeconds();
    if (std::system(cmd.c_str()) != 0) return -1;
    return ChildSeconds() - t0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    int reps = 5;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--repetitions" && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else
            path = a;
    }
    if (path.empty()) path = MakeRecording();
    const int frames = [&] {
        qv::CameraMetadata m;
        qv::DisplayFlags f;
        qv::DecoderSwitches s;
        qv::AviMovie movie(m, f, s);
        return movie.AviOpen(path) == 0 ? movie.FrameCount() : 0;
    }();
    if (frames <= 0) {
        std::fprintf(stderr, "qv-bench-search: cannot open %s\n", path.c_str());
        return 1;
    }
    std::vector<double> ours, turbo, ffmpeg;
    std::vector<uint8_t> buffer;
    for (int r = 0; r < reps; ++r) {  // interleaved, so drifts of the machine hit all three
        ours.push_back(OursSeconds(path));
        turbo.push_back(TurboSeconds(path, buffer));
        ffmpeg.push_back(FfmpegSeconds(path));
    }
    const double o = Median(ours), t = Median(turbo), f = Median(ffmpeg);
    if (o <= 0 || t <= 0 || f <= 0) {
        std::fprintf(stderr, "qv-bench-search: a run failed (ours %g, turbo %g, ffmpeg %g)\n", o, t,
                     f);
        return 1;
    }
    const uintmax_t bytes = std::filesystem::file_size(path);
    std::printf("%s: %d frames, %.0f KB per frame, medians of %d runs (CPU time)\n", path.c_str(),
                frames, static_cast<double>(bytes) / frames / 1024.0, reps);
    std::printf("  search pass (ours)          %8.1f frames/s\n", frames / o);
    std::printf("  libjpeg-turbo 1/8 decode    %8.1f frames/s   ours/turbo  %.2fx\n", frames / t,
                t / o);
    std::printf("  ffmpeg scene scan           %8.1f frames/s   ours/ffmpeg %.2fx\n", frames / f,
                f / o);
    return 0;
}

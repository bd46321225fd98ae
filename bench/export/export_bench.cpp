// Exporting a 1000-frame 1280x1024 segment against cp of the same recording (and cp followed by a
// flush of the copy, as the export flushes its file), in one run, wall time, medians.
//   qv-bench-export [--repetitions N] [--folder DIR]
// The recording (one camera frame with sensor grain, a thousand times) is written to the folder
// (default: the temporary folder) on first use.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "export/avi_export_source.h"
#include "export/export_segment.h"
#include "fixtures/camera_recording.h"
#include "fixtures/synthetic_picture.h"

namespace {

namespace fs = std::filesystem;

class Quiet final : public qv::exports::ExportWindow {
  public:
    void ProgressStart(int, int, int) override {}
    void ProgressText(const std::string&) override {}
    void ProgressStep() override {}
    void ProgressDone() override {}
    void ShowNote(const std::string&, const std::string&) override {}
    void ReportFailure(const std::string& text) override {
        std::fprintf(stderr, "qv-bench-export: %s\n", text.c_str());
    }
};

std::string MakeRecording(const fs::path& folder) {
    const std::string path = (folder / "qv_export_bench_1280.avi").string();
    if (fs::exists(path)) return path;
    qv::fixtures::SceneOptions scene;
    scene.noise_amplitude = 11;
    qv::fixtures::FrameSegments segs;
    segs.settings = qv::fixtures::CameraSettings{};
    segs.capture_time = 25764480000ull;
    const qv::fixtures::Bytes frame = qv::fixtures::CameraFrame(
        qv::fixtures::TimeLapseScene(1280, 1024, scene), segs, {.quality = 90});
    qv::fixtures::AviHeader header;
    header.width = 1280;
    header.height = 1024;
    const std::vector<qv::fixtures::Bytes> frames(1000, frame);
    qv::fixtures::WriteBytes(path, qv::fixtures::BuildAvi(header, frames).bytes);
    return path;
}

double Seconds(const std::chrono::steady_clock::time_point& t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int reps = 5;
    fs::path folder = fs::temp_directory_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--repetitions") reps = std::max(1, std::atoi(argv[i + 1]));
        if (a == "--folder") folder = argv[i + 1];
    }
    const std::string source = MakeRecording(folder);
    const std::string ours = (folder / "qv_export_bench_out.avi").string();
    const std::string copy = (folder / "qv_export_bench_cp.avi").string();
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::AviMovie movie(metadata, flags, switches);
    if (movie.AviOpen(source) != 0) return 1;
    qv::exports::AviExportSource src(movie);
    src.Attach(source);
    Quiet quiet;
    std::vector<double> export_s, cp_s, cp_sync_s;
    for (int r = 0; r < reps; ++r) {  // interleaved, so drifts of the machine hit both
        fs::remove(ours);
        auto t0 = std::chrono::steady_clock::now();
        if (qv::exports::ExportSegment(src, 0, 999, 1, ours, qv::exports::kExportAvi, quiet) != 0)
            return 1;
        export_s.push_back(Seconds(t0));
        fs::remove(copy);
        t0 = std::chrono::steady_clock::now();
        if (std::system(("cp '" + source + "' '" + copy + "'").c_str()) != 0) return 1;
        cp_s.push_back(Seconds(t0));
        // The export flushes its file before it calls it done; so does this copy.
        fs::remove(copy);
        t0 = std::chrono::steady_clock::now();
        if (std::system(("cp '" + source + "' '" + copy + "' && sync '" + copy + "'").c_str()) != 0)
            return 1;
        cp_sync_s.push_back(Seconds(t0));
    }
    const double e = Median(export_s), c = Median(cp_s), cs = Median(cp_sync_s);
    const double mb = static_cast<double>(fs::file_size(source)) / 1e6;
    std::printf("%s: 1000 frames, %.0f MB; medians of %d runs (wall time)\n", source.c_str(), mb,
                reps);
    std::printf("  export  %6.3f s  %7.1f MB/s\n", e, mb / e);
    std::printf("  cp      %6.3f s  %7.1f MB/s\n", c, mb / c);
    std::printf("  cp+sync %6.3f s  %7.1f MB/s\n", cs, mb / cs);
    std::printf("  export speed / cp speed  %.2fx;  / cp+sync speed  %.2fx\n", c / e, cs / e);
    fs::remove(ours);
    fs::remove(copy);
    return 0;
}

// qv-make-fuzz-seeds OUTDIR: small camera recordings and frames for the fuzz targets' corpora,
// written by the fixture builder (libjpeg-turbo frames with the camera segments).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "fixtures/camera_recording.h"
#include "fixtures/synthetic_picture.h"

namespace {

using namespace qv::fixtures;

RecordingOptions Small(int width, int height, int frames) {
    RecordingOptions o;
    o.avi.width = width;
    o.avi.height = height;
    o.frame_count = frames;
    o.encode.quality = 60;
    return o;
}

bool Write(const std::filesystem::path& path, const Bytes& bytes) {
    if (WriteBytes(path.string(), bytes)) return true;
    std::fprintf(stderr, "qv-make-fuzz-seeds: cannot write %s\n", path.c_str());
    return false;
}

// The JPEG target reads a 3-byte prefix (picture size and switches) before the frame.
Bytes WithPrefix(uint8_t w, uint8_t h, uint8_t switches, const Bytes& jpeg) {
    Bytes out(jpeg.size() + 3);
    out[0] = w;
    out[1] = h;
    out[2] = switches;
    std::copy(jpeg.begin(), jpeg.end(), out.begin() + 3);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qv-make-fuzz-seeds OUTDIR\n");
        return 2;
    }
    namespace fs = std::filesystem;
    fs::path avi_dir = fs::path(argv[1]) / "fuzz_avi_open";
    fs::path jpg_dir = fs::path(argv[1]) / "fuzz_jpeg_decode";
    fs::create_directories(avi_dir);
    fs::create_directories(jpg_dir);
    bool ok = true;

    RecordingOptions plain = Small(48, 32, 3);
    ok &= Write(avi_dir / "plain.avi", MakeRecording(plain).avi.bytes);

    RecordingOptions events = Small(32, 32, 4);
    events.event_recording = true;
    events.event_frames = {1, 3};
    events.clock = ClockSource::Both;
    events.rtc_dump = true;
    ok &= Write(avi_dir / "events.avi", MakeRecording(events).avi.bytes);

    RecordingOptions movi = Small(40, 24, 2);
    movi.avi.layout = AviLayout::MoviBeforeIndex;
    movi.avi.junk = {{"WDX310", 2}};
    movi.settings.model = 3;
    movi.pir_frames = {1};
    ok &= Write(avi_dir / "movi_first.avi", MakeRecording(movi).avi.bytes);

    RecordingOptions plus = Small(16, 16, 2);
    plus.avi.junk = {{"KMXPLS", 3}};
    plus.avi.scale = 65535;
    plus.avi.rate = -1;
    ok &= Write(avi_dir / "kmxpls.avi", MakeRecording(plus).avi.bytes);

    FrameSegments seg;
    seg.settings = CameraSettings{};
    seg.family_text = "Tarkon WDX310";
    seg.capture_time = 123456;
    seg.event_byte = 0x81;
    seg.diagnostics = DiagnosticsBlock{};
    // Prefix bytes give width = 8 * (1 + b0 % 64), height = 8 * (1 + b1 % 64).
    ok &= Write(jpg_dir / "scene.bin",
                WithPrefix(5, 3, 0, CameraFrame(TimeLapseScene(48, 32, {}), seg)));
    ok &= Write(jpg_dir / "noise_grey_eoi.bin",
                WithPrefix(3, 3, 3, CameraFrame(NoisePicture(32, 32, 5), {})));
    EncodeOptions restart;
    restart.restart_interval = 1;
    ok &= Write(jpg_dir / "restart.bin",
                WithPrefix(1, 1, 0, CameraFrame(GradientPicture(16, 16), {}, restart)));
    return ok ? 0 : 1;
}

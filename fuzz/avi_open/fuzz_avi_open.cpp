// Fuzz target: opens the input as a camera AVI, then reads and decodes its first frames the way
// playback does, runs the event scan over them, and a motion search pass and a PIR scan straight
// from the mapped file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "media/avi/avi_movie.h"
#include "media/jpeg/jpeg_decoder.h"
#include "search/avi_search_movie.h"
#include "search/event_scan.h"
#include "search/motion_search.h"

namespace {

class NullLog : public qv::DiagnosticsLog {
  public:
    void Append(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/qv_fuzz_avi_" + std::to_string(::getpid()) + ".avi";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    switches.cbCheckSpuriousEOI = size % 2 == 0;
    switches.cbDumpRTCData = true;
    NullLog log;
    qv::AviMovie movie(metadata, flags, switches, &log);
    // A picture size the player does not show still opens for reading its frames.
    const int open = movie.AviOpen(path);
    if (open == 0 || open == qv::kAviPictureSizeUnshown) {
        qv::Picture picture;
        int frames = movie.FrameCount() < 8 ? movie.FrameCount() : 8;
        for (int i = 0; i < frames; ++i) {
            if (movie.AviReadFrame(i) != 0) continue;
            movie.AviSetFrame(i);
            movie.AviDecodeCurrent(picture);
            std::string date, time;
            movie.CameraDateTime(i * 10, date, time);
        }
        movie.ScanForEvent(frames - 1, -1);
        qv::search::AviSearchMovie search(movie);
        search.Attach(path);
        qv::search::PassView view;
        qv::search::MotionSearch pass(search, view);
        pass.MotionSearchPass(0, frames, 255);
        bool stop = false;
        qv::search::ScanForPirOnset(search, view, stop, frames - 1, -1);
        movie.AviStepFrame(-3);
        movie.AviSeekEnd();
        movie.AviStepFrame(-1);
    }
    movie.AviClose();
    return 0;
}

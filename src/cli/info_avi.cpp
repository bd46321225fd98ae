// qvplay-cli info FILE.avi [--json]: the header fields, display flags and event list of a camera
// AVI as the player reads them at open.
#include <cstdio>
#include <string>

#include "cli/avi_session.h"

namespace qv::cli {

namespace {

const char* Bool(bool b) {
    return b ? "true" : "false";
}

std::string EventList(const AviMovie& m, const char* sep) {
    std::string out;
    for (size_t i = 0; i < m.EventList().size(); ++i) {
        if (i) out += sep;
        out += std::to_string(m.EventList()[i]);
    }
    return out;
}

void PrintJson(const AviMovie& m) {
    const DisplayFlags& f = m.Flags();
    std::printf(
        "{\"kind\": \"avi\", \"frames\": %d, \"declared_frames\": %d, \"width\": %d, "
        "\"height\": %d, "
        "\"capture_interval\": %d, \"rate\": %d, \"fps\": %d, \"model_tag\": %s, "
        "\"capture_mode\": %d, \"show_capture_interval\": %s, \"show_elapsed_time\": %s, "
        "\"interval_asap\": %s, \"wdx_capture_mode\": %d, \"has_capture_clock\": %s, "
        "\"event_recording\": %s, \"events\": [%s]}\n",
        m.FrameCount(), m.DeclaredFrameCount(), m.Width(), m.Height(), m.Scale(), m.Rate(),
        m.FramesPerSecond(), JsonString(m.ModelTag()).c_str(), m.CaptureMode(),
        Bool(f.ShowCaptureInterval), Bool(f.ShowElapsedTime), Bool(f.IntervalAsap),
        f.WdxCaptureMode, Bool(m.HasCaptureClock()), Bool(m.EventRecording()),
        EventList(m, ", ").c_str());
}

void PrintText(const AviMovie& m) {
    const DisplayFlags& f = m.Flags();
    std::printf("kind:                  avi\n");
    std::printf("frames:                %d\n", m.FrameCount());
    // A copy that stopped early holds fewer frames than its index lists.
    if (m.DeclaredFrameCount() > m.FrameCount())
        std::printf("declared frames:       %d (the file ends early)\n", m.DeclaredFrameCount());
    std::printf("width:                 %d\n", m.Width());
    std::printf("height:                %d\n", m.Height());
    std::printf("capture interval:      %d s\n", m.Scale());
    std::printf("rate:                  %d\n", m.Rate());
    std::printf("frames per second:     %d\n", m.FramesPerSecond());
    std::printf("model tag:             %s\n", m.ModelTag().c_str());
    std::printf("capture mode:          %d\n", m.CaptureMode());
    std::printf("show capture interval: %s\n", Bool(f.ShowCaptureInterval));
    std::printf("show elapsed time:     %s\n", Bool(f.ShowElapsedTime));
    std::printf("interval ASAP:         %s\n", Bool(f.IntervalAsap));
    std::printf("WDX capture mode:      %d\n", f.WdxCaptureMode);
    std::printf("has capture clock:     %s\n", Bool(m.HasCaptureClock()));
    std::printf("event recording:       %s\n", Bool(m.EventRecording()));
    std::printf("events:                %s\n", EventList(m, " ").c_str());
}

}  // namespace

int InfoAvi(const Args& args) {
    AviSession s;
    if (!OpenAvi(args[0], s, false)) return 1;
    if (HasFlag(args, "--json"))
        PrintJson(s.movie);
    else
        PrintText(s.movie);
    return 0;
}

}  // namespace qv::cli

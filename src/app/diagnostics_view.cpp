#include "app/diagnostics_view.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qv::app {
namespace {

int Field16(const CameraMetadata& m, size_t offset) {
    return m.diag_block[offset] | m.diag_block[offset + 1] << 8;
}

std::string Format(const char* format, int value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

void ScrollToNewest(DiagnosticsView& view) {
    view.top_row = std::max(static_cast<int>(view.lines.size()) - 8, 0);
}

}  // namespace

void DumpFrame(DiagnosticsView& view, int frame, const CameraMetadata& m, int64_t capture_time,
               int interval_ms) {
    if (!view.visible || !m.diag_present) return;
    view.lines.push_back(Format("--- Frame %d -----", frame));
    if (view.bShowTimes) {
        const int64_t t = capture_time < 0 ? 0 : capture_time;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d.%2.2d", static_cast<int>(t / 360000 % 24),
                      static_cast<int>(t / 6000 % 60), static_cast<int>(t / 100 % 60),
                      static_cast<int>(t % 100));
        view.lines.push_back(buf);
        const bool jump =
            std::llabs(static_cast<long long>(interval_ms) - view.nPrevFrameInterval) > 1000 &&
            frame > 1;
        view.lines.push_back(Format(jump ? "FrmInt = %6d MS ***" : "FrmInt = %6d MS", interval_ms));
        view.nPrevFrameInterval = interval_ms;
    }
    if (view.bShowExpo) {
        view.lines.push_back(Format("CamRdy  = %4d", Field16(m, 6)));
        view.lines.push_back(Format("Lum     = %4d", Field16(m, 4)));
        view.lines.push_back(Format("Target  = %4d", Field16(m, 12)));
        view.lines.push_back(Format("Expo    = %4d", Field16(m, 2)));
        view.lines.push_back(Format("PhysExp = %4d", Field16(m, 26)));
        view.lines.push_back(Format("Gain    = %4d", Field16(m, 22)));
        if (Field16(m, 8) != 416) view.lines.push_back(Format("Vsyncs  = %4d", Field16(m, 8)));
        view.lines.push_back(Format("Flicker = %4d", Field16(m, 18)));
    }
    ScrollToNewest(view);
}

void ReportBadFrame(DiagnosticsView& view, int frame, int frame_count, uint32_t offset) {
    if (!view.visible || frame >= frame_count) return;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%5d: %8.8x", frame + 1, offset);
    view.lines.push_back(buf);
    ++view.nBadFrames;
    view.lblBadFrameCount = std::to_string(view.nBadFrames);
    ScrollToNewest(view);
}

}  // namespace qv::app

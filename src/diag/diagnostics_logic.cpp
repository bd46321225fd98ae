#include "diag/diagnostics_logic.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qv::diag {
namespace {

int Field16(const CameraMetadata& m, size_t offset) {
    return m.diag_block[offset] | m.diag_block[offset + 1] << 8;
}

std::string Format(const char* format, int value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

bool DiagnosticsLogic::ShowDiagnostics(const CameraMetadata& m, const LumaPlane& luma) {
    if (visible) {
        DescribeCameraValues(m, values);
        GetFocusScore(luma);
    }
    return breakpoint.Check(m, visible);
}

void DiagnosticsLogic::GetFocusScore(const LumaPlane& luma) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d",
                  FocusScore(luma, kFocusX, kFocusY, kFocusWidth, kFocusHeight));
    lblFocusScore.assign(buf);
}

void DiagnosticsLogic::Button1Click() {
    ClearList();
    nBadFrames = 0;
    lblBadFrameCount.assign(1, '0');  // (not = "0": gcc 12 takes that for an overlapping copy)
}

void DiagnosticsLogic::ClearList() {
    lines.clear();
    top_row = 0;
    ++list_generation;
}

void DiagnosticsLogic::AddLine(const std::string& line) {
    lines.push_back(line);
    // The newest eight rows stay in view.
    top_row = std::max(static_cast<int>(lines.size()) - 8, 0);
}

void DiagnosticsLogic::DumpFrame(int frame, const CameraMetadata& m, int64_t capture_time,
                                 int interval_ms) {
    if (!visible || !m.diag_present) return;
    AddLine(Format("--- Frame %d -----", frame));
    if (bShowTimes) {
        const int64_t t = capture_time < 0 ? 0 : capture_time;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d.%2.2d", static_cast<int>(t / 360000 % 24),
                      static_cast<int>(t / 6000 % 60), static_cast<int>(t / 100 % 60),
                      static_cast<int>(t % 100));
        AddLine(buf);
        const bool jump =
            std::llabs(static_cast<long long>(interval_ms) - nPrevFrameInterval) > 1000 &&
            frame > 1;
        AddLine(Format(jump ? "FrmInt = %6d MS ***" : "FrmInt = %6d MS", interval_ms));
        nPrevFrameInterval = interval_ms;
    }
    if (bShowExpo) {
        AddLine(Format("CamRdy  = %4d", Field16(m, 6)));
        AddLine(Format("Lum     = %4d", Field16(m, 4)));
        AddLine(Format("Target  = %4d", Field16(m, 12)));
        AddLine(Format("Expo    = %4d", Field16(m, 2)));
        AddLine(Format("PhysExp = %4d", Field16(m, 26)));
        AddLine(Format("Gain    = %4d", Field16(m, 22)));
        if (Field16(m, 8) != 416) AddLine(Format("Vsyncs  = %4d", Field16(m, 8)));
        AddLine(Format("Flicker = %4d", Field16(m, 18)));
    }
}

void DiagnosticsLogic::ReportBadFrame(int frame, int frame_count, uint32_t offset) {
    if (!visible || frame >= frame_count) return;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%5d: %8.8x", frame + 1, offset);
    AddLine(buf);
    ++nBadFrames;
    lblBadFrameCount = std::to_string(nBadFrames);
}

void DiagnosticsLogic::ShowQuantiser(int quantiser) {
    if (!visible || !bShowQuant || quantiser == nShownQuant) return;
    // A quantiser is 1 to 31; a bar longer than that would only be a damaged value.
    lblQDisp.assign(static_cast<size_t>(std::clamp(quantiser, 0, 31)), '*');
    lblQNum = std::to_string(quantiser);
    nShownQuant = quantiser;
}

void DiagnosticsLogic::ReportPictureHeader(int picture) {
    if (!bReportBadHeaders) return;
    ++bad_header_count_;
    if (!visible) return;
    char buf[48];
    std::snprintf(buf, sizeof buf, "Frm %d, BHC = %d", picture, bad_header_count_);
    AddLine(buf);
}

void DiagnosticsLogic::ReportStopped(int32_t default_mode_edges, int32_t dc_mode_edges) {
    if (!visible) return;
    AddLine("Stopped");
    AddLine(Format("Def, filt = %d", default_mode_edges));
    AddLine(Format("DC,  filt = %d", dc_mode_edges));
}

void DiagnosticsLogic::ReportLastGood(int older, int newer) {
    if (!visible) return;
    AddLine("Last 2 good at:");
    char buf[48];
    std::snprintf(buf, sizeof buf, "0x%x, 0x%x", static_cast<unsigned>(older),
                  static_cast<unsigned>(newer));
    AddLine(buf);
}

}  // namespace qv::diag

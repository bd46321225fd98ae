// The diagnostics window's state as the player writes it: its switches, its list of lines (frame
// dumps, bad frames, clock dumps, the stream reports of the MPEG-4 recordings), the bad-frame
// count, the quantiser display, the decode and display times of the last frame, the camera values
// and focus score of the frame on screen and the breakpoint. Every writer checks that the window
// is visible first, as nothing is written into a closed window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diag/breakpoint.h"
#include "diag/camera_values.h"
#include "diag/focus_score.h"
#include "media/jpeg/camera_metadata.h"

namespace qv::diag {

// Where the window stands until it is placed elsewhere.
inline constexpr int kDesignLeft = 40, kDesignTop = 40;

class DiagnosticsLogic final : public DiagnosticsLog {
  public:
    // After every camera frame whose data was read: the camera values and the focus score of the
    // window 320 x 180 at (480, 180) while the window is visible, then the breakpoint. True when
    // playback is to pause on this frame.
    bool ShowDiagnostics(const CameraMetadata& m, const LumaPlane& luma);
    // bGetFocusScoreClick.
    void GetFocusScore(const LumaPlane& luma);
    // Button1Click: the list, the count and its label go back to nothing.
    void Button1Click();
    // The popup's "&Clear": the list only; the count stays.
    void ClearList();
    void rgBreakpointClick(int kind, std::string_view retry_text, std::string_view luma_text) {
        breakpoint.Select(kind, retry_text, luma_text);
    }
    // The clock dumps of the decoder arrive here (DiagnosticsLog).
    void Append(const std::string& line) override {
        if (visible) AddLine(line);
    }

    // The frame dump of one displayed frame: its index, capture time and interval when the times
    // are switched on, the exposure values of its diagnostics segment when those are. Writes only
    // while the window is visible and the frame carried the segment.
    void DumpFrame(int frame, const CameraMetadata& metadata, int64_t capture_time,
                   int interval_ms);
    // The line of a frame that could not be read or decoded: one-based number and file offset.
    void ReportBadFrame(int frame, int frame_count, uint32_t offset);
    // The quantiser of the picture decoded last, as a bar of asterisks and a number; only when
    // the window is visible, the switch is on and the value changed.
    void ShowQuantiser(int quantiser);
    // "Frm %d, BHC = %d" for every picture of a stream while the switch is on, with a running
    // count that each start of playback sets back to 0.
    void ReportPictureHeader(int picture);
    void ResetPictureHeaderCount() { bad_header_count_ = 0; }
    // The lines of a stream that stopped: "Stopped" and the two deblocking filter counters.
    void ReportStopped(int32_t default_mode_edges, int32_t dc_mode_edges);
    // The two positions (KiB) a stream last decoded well at, after a picture failed.
    void ReportLastGood(int older, int newer);
    // A line as it stands.
    void AddLine(const std::string& line);

    bool visible = false;  // the diagnostics window is shown
    // Switches.
    bool bShowTimes = false;
    bool bShowExpo = false;
    bool bShowQuant = false;         // quantiser of every MPEG-4 picture
    bool bShowBytePos = false;       // byte position of every MPEG-4 picture in status panel 4
    bool bReportBadHeaders = false;  // a line per MPEG-4 picture with the running count
    bool bTKMPauseOnStop = false;    // stopping a .tkm leaves picture and position as they are
    bool bTKMSingleStep = false;     // stored only
    bool g_bShowBadFrames = false;   // stored and saved only
    bool bReportAllFrames = false;   // stored and saved only
    // Grey mode, the end-of-image check and the clock dump, read by the JPEG decoder.
    DecoderSwitches decoder;
    Breakpoint breakpoint;
    int left = kDesignLeft;
    int top = kDesignTop;

    std::vector<std::string> lines;
    // Counts the times the list was emptied, so a view can tell new rows from a new list.
    int list_generation = 0;
    int top_row = 0;  // first row in view: the newest eight rows stay visible
    int nBadFrames = 0;
    int nShownQuant = 0;
    std::string lblBadFrameCount = "0";
    std::string lblDecTime;
    std::string lblDispTime;
    std::string lblQDisp;
    std::string lblQNum;
    std::string lblFocusScore = "0";
    CameraValueTexts values;
    int nPrevFrameInterval = 0;

  private:
    int bad_header_count_ = 0;
};

}  // namespace qv::diag

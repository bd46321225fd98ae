// The diagnostics window's state as the player writes it: its switches, its list of lines (frame
// dumps, bad frames, the stream reports of the MPEG-4 recordings), the bad-frame count, the
// quantiser display and the decode and display times of the last frame. Every writer checks that
// the window is visible first, as nothing is written into a closed window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/jpeg/camera_metadata.h"

namespace qv::diag {

class DiagnosticsLogic {
  public:
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

    std::vector<std::string> lines;
    int top_row = 0;  // first row in view: the newest eight rows stay visible
    int nBadFrames = 0;
    int nShownQuant = 0;
    std::string lblBadFrameCount;
    std::string lblDecTime;
    std::string lblDispTime;
    std::string lblQDisp;
    std::string lblQNum;
    int nPrevFrameInterval = 0;

  private:
    int bad_header_count_ = 0;
};

}  // namespace qv::diag

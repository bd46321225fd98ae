// What the player writes for the diagnostics window: its list of lines (frame dumps and bad-frame
// lines), the bad-frame count and the decode and display times of the last frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/jpeg/camera_metadata.h"

namespace qv::app {

struct DiagnosticsView {
    bool visible = false;  // the diagnostics window is shown
    bool bShowTimes = false;
    bool bShowExpo = false;
    std::vector<std::string> lines;
    int top_row = 0;  // first row in view: the newest eight rows stay visible
    int nBadFrames = 0;
    std::string lblBadFrameCount;
    std::string lblDecTime;
    std::string lblDispTime;
    int nPrevFrameInterval = 0;
};

// The frame dump of one displayed frame: its index, capture time and interval when the times are
// switched on, the exposure values of its diagnostics segment when those are. Writes only while
// the window is visible and the frame carried the segment.
void DumpFrame(DiagnosticsView& view, int frame, const CameraMetadata& metadata,
               int64_t capture_time, int interval_ms);

// The line of a frame that could not be read or decoded: one-based number and file offset.
void ReportBadFrame(DiagnosticsView& view, int frame, int frame_count, uint32_t offset);

}  // namespace qv::app

// What every picture passes through before it is shown: the statistics labels (capture interval,
// elapsed time or event number, capture date and time), the time texts of a .tkm in the status
// bar, and the capture time stamped into the picture when that is switched on.
#pragma once

#include <cstdint>
#include <string>

#include "app/avi_reader.h"
#include "app/ui_state.h"
#include "media/jpeg/camera_metadata.h"
#include "platform/clock.h"

namespace qv::app {

class Overlay {
  public:
    explicit Overlay(UiState& ui) : ui_(ui) {}

    // A movie opened: its elapsed time starts again from 0.
    void ResetElapsed();
    // The elapsed time or event number of a camera frame just decoded. With a capture clock
    // (or a clock record seen) the frame's interval is added when accumulate is set; otherwise
    // the time is the frame number times the capture interval.
    void UpdateElapsed(const AviReader& reader, int frame, int capture_interval, bool accumulate);
    // Statistics labels of a camera frame and, when switched on, its stamp.
    void DecorateAvi(Picture& picture, AviReader& reader, int width);
    // A .tkm picture with its time value t (hundredths of a second): the status bar's elapsed
    // time and capture date and time from the file's clock, and the stamp or the grey band.
    void DecorateTkm(Picture& picture, uint32_t t, platform::DosDateTime file_clock);
    // Nothing open: the statistics labels and the status panels of the movie are emptied.
    void Clear();

    bool g_bEmbedTime = false;

  private:
    UiState& ui_;
    int64_t nElapsedMsSum_ = 0;
    int64_t nElapsedSec_ = 0;
    Calendar tkm_calendar_;
    std::string date_, time_, stamp_;
};

}  // namespace qv::app

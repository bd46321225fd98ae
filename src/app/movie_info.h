// The "Movie Info" group: the camera model and the camera's settings of the frame parsed last.
#pragma once

#include <string>

#include "app/ui_state.h"
#include "media/jpeg/camera_metadata.h"

namespace qv::app {

// "%d" for values of 0 and below, "+%d" above.
std::string SignedSettingText(int value);
// "Disabled" when both are 0, else "hh:mm" of a count of quarter hours.
std::string TimerText(int quarter_hours);

// Fills the group's labels and visibility for the settings of the last parsed frame and the
// capture mode of a WDX310 movie (-1 when the movie is of another model).
void ShowMovieInfo(const CameraMetadata& m, int wdx_capture_mode, UiState& ui);

}  // namespace qv::app

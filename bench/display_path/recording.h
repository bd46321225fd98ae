// A camera recording of 1280 x 1024 time-lapse frames written to a temporary file for the display
// measurements.
#pragma once

#include <string>

namespace qv::bench {

// Writes frames frames of 1280 x 1024 at 30 frames per second; returns the path, empty on failure.
std::string WriteLargeRecording(int frames);

}  // namespace qv::bench

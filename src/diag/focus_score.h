// The focus score: how sharp a picture is, as the sum of the absolute differences between each
// luma sample and its right-hand neighbour over a window of the picture.
#pragma once

#include <cstdint>

namespace qv::diag {

// The luma plane of the last decoded camera frame: rows of stride samples (the picture's width
// padded to whole macroblocks), rows rows of them. Empty before any frame was decoded.
struct LumaPlane {
    const uint8_t* data = nullptr;
    int stride = 0;
    int rows = 0;
};

// The window the diagnostics window scores: 320 x 180 at column 480, row 180.
inline constexpr int kFocusX = 480, kFocusY = 180, kFocusWidth = 320, kFocusHeight = 180;

// The score of the window at (x, y), or 0 when the window does not lie inside the plane. The
// sample in the last column of the plane has no neighbour in its row and adds nothing.
int FocusScore(const LumaPlane& plane, int x, int y, int width, int height);

}  // namespace qv::diag

// Conversion of a decoded YUV 4:2:0 picture to the 24-bit picture (blue, green, red; top row
// first) with ITU-R BT.601 studio-range coefficients in 10-bit fixed point.
#pragma once

#include <cstdint>

#include "media/picture/picture.h"

namespace qv::mpeg4 {

struct YuvTables {
    YuvTables();
    int32_t luma[256];
    int32_t red_v[256];
    int32_t green_v[256];
    int32_t green_u[256];
    int32_t blue_u[256];
};
const YuvTables& ColourTables();

// Converts width x height samples (strides in samples) into picture, which must be of that size.
void ConvertToRgb(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                  int32_t c_stride, int32_t width, int32_t height, Picture& picture);
// The same for rows first..end-1 of the planes into the same rows of picture; first is even, so
// that it starts a row of chroma.
void ConvertRowsToRgb(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                      int32_t c_stride, int32_t width, int32_t first, int32_t end,
                      Picture& picture);

}  // namespace qv::mpeg4

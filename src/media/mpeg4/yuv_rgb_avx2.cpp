// The colour conversion for processors with AVX2 (built with -mavx2; called only on such
// processors): the same loop, with SSSE3 byte shuffles for the 24-bit stores.
#include <immintrin.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "media/mpeg4/yuv_rgb_lanes.h"

namespace qv::mpeg4 {

namespace {
#include "media/mpeg4/yuv_rgb_rows.inc"
}  // namespace

void ConvertToRgbAvx2(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                      int32_t c_stride, int32_t width, int32_t height, uint8_t* rgb,
                      size_t rgb_stride) {
    ConvertRows(y, y_stride, u, v, c_stride, width, height, rgb, rgb_stride);
}

}  // namespace qv::mpeg4

// Conversion to the 24-bit picture sixteen pixels at a time, for SSE2 and for AVX2 processors;
// the same bytes as ConvertToRgb's plain loop.
#pragma once

#include <cstdint>

#include <cstddef>

namespace qv::mpeg4 {

// rgb: the first picture row, rows rgb_stride bytes apart.
void ConvertToRgbSse2(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                      int32_t c_stride, int32_t width, int32_t height, uint8_t* rgb,
                      size_t rgb_stride);
void ConvertToRgbAvx2(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                      int32_t c_stride, int32_t width, int32_t height, uint8_t* rgb,
                      size_t rgb_stride);

}  // namespace qv::mpeg4

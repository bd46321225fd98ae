// The decoder's 8x8 inverse DCT: separable, rows then columns, in 16-bit fixed point with 14-bit
// constants. Its rounding is part of the camera's picture, so it is kept exactly.
#pragma once

#include <cstdint>

namespace qv::mpeg4 {

// in: 64 dequantised coefficients in raster order; out: 64 samples in -256..255.
void InverseDct(const int32_t* in, int16_t* out);
// Two blocks, each exactly as InverseDct transforms it (both at once where AVX2 is active).
void InverseDctPair(const int32_t* in_a, const int32_t* in_b, int16_t* out_a, int16_t* out_b);

}  // namespace qv::mpeg4

// The inverse transform of two blocks at once on processors with AVX2 (idct_avx2.cpp, built for
// AVX2 and called only on such processors).
#pragma once

#include <cstdint>

namespace qv::mpeg4 {

// Both passes of two blocks whose coefficients are already x 8 in 16 bits (ma, mb), each exactly
// as the 128-bit transform gives it.
void TransformPairAvx2(const int16_t* ma, const int16_t* mb, int16_t* out_a, int16_t* out_b);

}  // namespace qv::mpeg4

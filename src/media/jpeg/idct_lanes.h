// Dequantisation, inverse transform and store of one block for SSE2 and for AVX2 processors:
// the samples of the plain dequantisation, row pass, column pass and block store. The row pass
// runs over every row at once, one lane per row, so it takes the coefficients transposed: row r,
// column c at c * 8 + r. Zero and DC-only rows need no special case: the arithmetic gives them
// the values the plain loops fill in.
#pragma once

#include <cstdint>

namespace qv {

// Largest magnitudes kept before and after dequantisation. Real pictures stay far below them
// (a baseline coefficient fits 11 bits); they only keep hostile data from overflowing the
// 32-bit transform.
constexpr int32_t kMaxCoefficient = 2047;
constexpr int32_t kMaxDequantised = 1 << 22;

// coef: the quantised coefficients, already limited to kMaxCoefficient, left all zero for the
// next block; quant: their factors in the same order; extent: the zigzag position after the last
// coefficient (the work shrinks with it). Luma is level-shifted and limited to 0..255; chroma
// centred on 0 and limited to what the colour conversion covers. stride: samples between the
// plane's rows.
void IdctLumaSse2(int32_t* coef, const int32_t* quant, int extent, uint8_t* out, int stride);
void IdctChromaSse2(int32_t* coef, const int32_t* quant, int extent, int16_t* out, int stride);
void IdctLumaAvx2(int32_t* coef, const int32_t* quant, int extent, uint8_t* out, int stride);
void IdctChromaAvx2(int32_t* coef, const int32_t* quant, int extent, int16_t* out, int stride);

}  // namespace qv

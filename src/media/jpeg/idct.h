// Integer inverse DCT of one 8x8 block with shift-and-add multipliers. The transform's scale
// factors are folded into the quantisation tables, so the column outputs >> 10 are the samples.
#pragma once

#include <cstdint>

namespace qv {

// x * 0.70703125 (1/sqrt 2)
inline int32_t M707(int32_t d) {
    int32_t c = d >> 2;
    c = (c + d) >> 2;
    c = (c + d) >> 1;
    c = (c + d) >> 2;
    return (c + d) >> 1;
}
// x * 0.3828125 (cos 3pi/8)
inline int32_t M383(int32_t n) {
    int32_t c = n >> 4;
    c = (c + n) >> 1;
    return (c + n) >> 2;
}
// x * 0.541015625 (cos 3pi/8 * sqrt 2)
inline int32_t M541(int32_t m) {
    int32_t c = m >> 2;
    c = (c + m) >> 2;
    c = (c + m) >> 4;
    return (c + m) >> 1;
}
// x * 1.3095703125 (cos pi/8 * sqrt 2)
inline int32_t M1307(int32_t z) {
    int32_t c = z >> 2;
    c = (c + z) >> 1;
    c = (c + z) >> 1;
    c = (c + z) >> 1;
    c = (c + z) >> 3;
    c = (c + z) >> 2;
    return c + z;
}

// One 1-D pass over eight values spaced `step` apart, in place.
inline void Idct1D(int32_t* v, int step) {
    int32_t x0 = v[0], x1 = v[step], x2 = v[2 * step], x3 = v[3 * step];
    int32_t x4 = v[4 * step], x5 = v[5 * step], x6 = v[6 * step], x7 = v[7 * step];
    // Odd part.
    int32_t z10 = x5 - x3, z12 = x1 - x7, z11 = x1 + x7, z13 = x5 + x3;
    int32_t t7 = z11 + z13;
    int32_t z5 = M383(-(z10 + z12));
    int32_t p = M541(-z10) + z5;
    int32_t q = M707(z11 - z13);
    int32_t r = M1307(z12) + z5;
    // Even part.
    int32_t a = x0 + x4, b = x0 - x4, s = x2 + x6, t = M707(x2 - x6);
    int32_t e0 = a + (s + t), e3 = a - (s + t), e1 = b + t, e2 = b - t;
    int32_t o0 = t7 + r, o1 = r + q, o2 = q - p, o3 = -p;
    v[0] = e0 + o0;
    v[7 * step] = e0 - o0;
    v[step] = e1 + o1;
    v[6 * step] = e1 - o1;
    v[2 * step] = e2 + o2;
    v[5 * step] = e2 - o2;
    v[3 * step] = e3 + o3;
    v[4 * step] = e3 - o3;
}

// The row pass over the rows marked in row_mask (bit r = row r holds a non-zero coefficient),
// in place; unmarked rows are zero and stay so. Rows not marked in ac_mask hold only their first
// coefficient and transform to it repeated, which is filled in directly.
inline void IdctRows(int32_t* block, unsigned row_mask, unsigned ac_mask) {
    for (int row = 0; row < 8; ++row) {
        if (!(row_mask & (1u << row))) continue;
        int32_t* r = block + row * 8;
        if (!(ac_mask & (1u << row))) {
            for (int i = 1; i < 8; ++i)
                r[i] = r[0];
            continue;
        }
        Idct1D(r, 1);
    }
}

// The column pass of all eight columns at once (the loop over columns vectorises), each output
// shifted right by 10.
inline void IdctColumns(const int32_t* in, int32_t* out) {
    for (int c = 0; c < 8; ++c) {
        int32_t x0 = in[c], x1 = in[8 + c], x2 = in[16 + c], x3 = in[24 + c];
        int32_t x4 = in[32 + c], x5 = in[40 + c], x6 = in[48 + c], x7 = in[56 + c];
        int32_t z10 = x5 - x3, z12 = x1 - x7, z11 = x1 + x7, z13 = x5 + x3;
        int32_t t7 = z11 + z13;
        int32_t z5 = M383(-(z10 + z12));
        int32_t p = M541(-z10) + z5;
        int32_t q = M707(z11 - z13);
        int32_t r = M1307(z12) + z5;
        int32_t a = x0 + x4, b = x0 - x4, s = x2 + x6, t = M707(x2 - x6);
        int32_t e0 = a + (s + t), e3 = a - (s + t), e1 = b + t, e2 = b - t;
        int32_t o0 = t7 + r, o1 = r + q, o2 = q - p, o3 = -p;
        out[c] = (e0 + o0) >> 10;
        out[56 + c] = (e0 - o0) >> 10;
        out[8 + c] = (e1 + o1) >> 10;
        out[48 + c] = (e1 - o1) >> 10;
        out[16 + c] = (e2 + o2) >> 10;
        out[40 + c] = (e2 - o2) >> 10;
        out[24 + c] = (e3 + o3) >> 10;
        out[32 + c] = (e3 - o3) >> 10;
    }
}

// Rows then columns over a block in natural order; each output is the column result >> 10.
inline void InverseDct(int32_t* block) {
    IdctRows(block, 0xFF, 0xFF);
    int32_t out[64];
    IdctColumns(block, out);
    for (int i = 0; i < 64; ++i)
        block[i] = out[i];
}

}  // namespace qv

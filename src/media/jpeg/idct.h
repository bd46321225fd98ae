// Integer inverse DCT of one 8x8 block with shift-and-add multipliers. The transform's scale
// factors are folded into the quantisation tables, so the column outputs >> 10 are the samples.
#pragma once

#include <cstdint>

namespace qv {

#include "media/jpeg/idct_arith.inc"

// One 1-D pass over eight values spaced `step` apart, in place.
inline void Idct1D(int32_t* v, int step) {
    int32_t x[8];
    for (int i = 0; i < 8; ++i)
        x[i] = v[i * step];
    Idct8(x);
    for (int i = 0; i < 8; ++i)
        v[i * step] = x[i];
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
        int32_t x[8];
        for (int i = 0; i < 8; ++i)
            x[i] = in[8 * i + c];
        Idct8(x);
        for (int i = 0; i < 8; ++i)
            out[8 * i + c] = x[i] >> 10;
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

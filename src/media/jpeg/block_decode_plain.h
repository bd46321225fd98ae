// The plain decode of one block: coefficients dequantised into natural order, the rows that
// received one transformed, then the columns.
#pragma once

#include <cstdint>
#include <cstring>

#include "media/jpeg/block_decode.h"
#include "media/jpeg/idct.h"

namespace qv {

// Stores an 8x8 block of transform outputs into a plane: luma level-shifted and limited to
// 0..255, chroma centred on 0 and limited to what the colour conversion's saturation covers.
template <bool kLuma, typename Sample>
inline void StoreBlock(const int32_t* v, Sample* out, int stride) {
    for (int y = 0; y < 8; ++y) {
        Sample* row = out + y * stride;
        for (int x = 0; x < 8; ++x) {
            if constexpr (kLuma)
                row[x] = static_cast<Sample>(std::clamp(v[y * 8 + x] + 128, 0, 255));
            else
                row[x] = static_cast<Sample>(std::clamp(v[y * 8 + x], kChromaMin, kChromaMax));
        }
    }
}

// The plain transform of a block in natural order: only the rows that received a coefficient,
// then the columns; the rows are cleared again afterwards.
template <bool kLuma, typename Sample>
inline void TransformPlain(int32_t* coef, unsigned row_mask, unsigned ac_mask, Sample* out,
                           int stride) {
    IdctRows(coef, row_mask, ac_mask);
    int32_t v[64];
    if (row_mask == 1) {
        // Only the top row is non-zero: every column is flat.
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                v[y * 8 + x] = coef[x] >> 10;
    } else {
        IdctColumns(coef, v);
    }
    StoreBlock<kLuma>(v, out, stride);
    for (int r = 0; r < 8; ++r)
        if (row_mask & (1u << r)) std::memset(coef + r * 8, 0, 8 * sizeof(int32_t));
}

// Decodes one block into an 8x8 area of a plane with the plain transform. coef is a natural-order
// block that is all zero on entry and is left all zero: coefficients are dequantised straight
// into their natural place, and only the rows that received one are transformed and cleared.
template <bool kLuma, typename Sample>
inline void DecodeBlockPlain(BitReader& scan_reader, const ComponentTables& t, int32_t& predictor,
                             int32_t* coef, Sample* out, int stride, int& error) {
    BitReader br = scan_reader;  // a local copy stays in registers
    AddDc(br, *t.dc, predictor, error);
    unsigned row_mask = 0, ac_mask = 0;
    if (!error) {
        for (int k = 1; k < 64;) {
            AcStep st = NextAc(br, *t.fast, *t.ac);
            if (st.run < 0) break;
            if (st.value == 0) {
                k += 16;
                continue;
            }
            k += st.run;
            if (k > 63) {
                error = kScanBadCode;
                break;
            }
            int n = kZigzagToNatural[k];
            coef[n] = Dequantise(st.value, t.quant[k]);
            row_mask |= 1u << (n >> 3);
            ac_mask |= static_cast<unsigned>((n & 7) != 0) << (n >> 3);
            ++k;
        }
    }
    scan_reader = br;
    const int32_t dc = Dequantise(predictor, t.quant[0]);
    if (row_mask == 0) {
        // Only the DC term: the block is flat.
        FillBlock<kLuma>(dc >> 10, out, stride);
        return;
    }
    coef[0] = dc;
    TransformPlain<kLuma>(coef, row_mask | 1, ac_mask, out, stride);
}

}  // namespace qv

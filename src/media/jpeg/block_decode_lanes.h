// The lane decode of one block, for the SSE2 and AVX2 transforms: coefficients placed in the
// transposed order those transforms take, dequantised and transformed by them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "media/jpeg/block_decode.h"
#include "media/jpeg/idct_lanes.h"
#include "media/jpeg/jpeg_tables.h"
#include "media/simd/simd_target.h"

namespace qv {

// Where the coefficient before each zigzag position goes in the transposed natural order the
// lane transforms take: entry k + 1 for zigzag index k (built at first use, after the natural
// order it is derived from). The lane decode counts positions past its last coefficient. A
// damaged scan's run past position 63 lands in the slot behind the block (64), which the
// transforms never read, and stops the scan there.
constexpr int kPlaceCount = 64 + 16;
inline const std::array<uint8_t, kPlaceCount>& TransposedPlaceBefore() {
    static const std::array<uint8_t, kPlaceCount> table = [] {
        std::array<uint8_t, kPlaceCount> t{};
        for (int k = 0; k < 64; ++k) {
            const int n = kZigzagToNatural[k];
            t[k + 1] = static_cast<uint8_t>((n & 7) * 8 + (n >> 3));
        }
        for (int after = 65; after < kPlaceCount; ++after)
            t[after] = 64;
        return t;
    }();
    return table;
}

// A quantisation table (zigzag order) in the order the lane transforms place coefficients in.
inline void LaneQuant(const int32_t* quant, const uint8_t* place_before, int32_t* out) {
    for (int k = 0; k < 64; ++k)
        out[place_before[k + 1]] = quant[k];
}

#if QV_X86_SIMD
template <simd::Target kTarget>
inline void TransformLanes(int32_t* coef, const int32_t* quant, int extent, uint8_t* out,
                           int stride) {
    if constexpr (kTarget == simd::Target::kAvx2)
        IdctLumaAvx2(coef, quant, extent, out, stride);
    else
        IdctLumaSse2(coef, quant, extent, out, stride);
}
template <simd::Target kTarget>
inline void TransformLanes(int32_t* coef, const int32_t* quant, int extent, int16_t* out,
                           int stride) {
    if constexpr (kTarget == simd::Target::kAvx2)
        IdctChromaAvx2(coef, quant, extent, out, stride);
    else
        IdctChromaSse2(coef, quant, extent, out, stride);
}

// The AC coefficients of one block, quantised, in their places in coef (64 entries and the slot
// behind them). Returns the position after the last one (1 when there is none); sets error as
// the plain decode does.
[[gnu::always_inline]] inline size_t DecodeAcLanes(BitReader& br, const ComponentTables& t,
                                                   int32_t* coef, int& error) {
    const AcFastLookup& fast = *t.fast;
    size_t after = 1;
    do {
        br.Fill();
        const AcFastEntry& f = fast[br.Peek(kAcFastBits)];
        size_t advance = f.advance;
        int32_t value = f.value;
        if (f.advance >= kAcFastLongCode) [[unlikely]] {
            if (f.advance == kAcFastEndOfBlock) {
                br.Skip(f.bits);
                return after;
            }
            const AcStep st = MarkedAc(br, f, *t.ac);
            if (st.run < 0) return after;
            if (st.value == 0) {
                // Sixteen zeros may end the block without an error.
                after += 16;
                if (after >= 64) return after;
                continue;
            }
            advance = static_cast<size_t>(st.run) + 1;
            // Only long codes carry values past the limit the transform expects.
            value = std::clamp(st.value, -kMaxCoefficient, kMaxCoefficient);
        } else {
            br.Skip(f.bits);
        }
        after += advance;
        coef[t.place_before[after]] = value;
    } while (after < 64);
    if (after > 64) error = kScanBadCode;
    return after;
}

// Decodes one block with a lane transform: the quantised coefficients go to their place in the
// transposed order (coef is all zero on entry and is left so, but for the slot behind the block),
// and the transform dequantises them with the rest of the block. The same codes, errors and
// samples as the plain decode: a block that passed position 1 without a coefficient (sixteen
// zeros, then the end) is flat, and the transform makes it so.
template <simd::Target kTarget, bool kLuma, typename Sample>
[[gnu::always_inline]] inline void DecodeBlockLanes(BitReader& br, const ComponentTables& t,
                                                    int32_t& predictor, int32_t* coef, Sample* out,
                                                    int stride, int& error) {
    AddDc(br, *t.dc, predictor, error);
    const size_t after = error ? 1 : DecodeAcLanes(br, t, coef, error);
    if (after == 1) {
        // Only the DC term: the block is flat.
        FillBlock<kLuma>(Dequantise(predictor, t.quant[0]) >> 10, out, stride);
        return;
    }
    coef[0] = std::clamp(predictor, -kMaxCoefficient, kMaxCoefficient);
    TransformLanes<kTarget>(coef, t.lane_quant, static_cast<int>(std::min<size_t>(after, 64)), out,
                            stride);
}
#endif

}  // namespace qv

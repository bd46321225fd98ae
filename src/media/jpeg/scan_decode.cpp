#include "media/jpeg/scan_decode.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "media/jpeg/colour_convert.h"
#include "media/jpeg/entropy_decode.h"
#include "media/jpeg/idct.h"
#include "media/jpeg/idct_lanes.h"
#include "media/simd/simd_target.h"

namespace qv {

namespace {

using simd::Target;

// The tables one component's blocks are decoded with: quant in zigzag order, and for the lane
// transforms lane_quant in the order coefficients are placed in (place_before[k + 1] for zigzag
// index k).
struct ComponentTables {
    const HuffmanTable* dc;
    const AcLookup* ac;
    const AcFastLookup* fast;
    const int32_t* quant;
    const uint8_t* place_before;
    const int32_t* lane_quant;
};

inline int32_t Dequantise(int32_t c, int32_t q) {
    int32_t v = std::clamp(c, -kMaxCoefficient, kMaxCoefficient) * q;
    return std::clamp(v, -kMaxDequantised, kMaxDequantised);
}

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

template <bool kLuma, typename Sample>
inline void FillBlock(int32_t v, Sample* out, int stride) {
    Sample flat = kLuma ? static_cast<Sample>(std::clamp(v + 128, 0, 255))
                        : static_cast<Sample>(std::clamp(v, kChromaMin, kChromaMax));
    for (int y = 0; y < 8; ++y)
        std::fill(out + y * stride, out + y * stride + 8, flat);
}

// Where the coefficient before each zigzag position goes in the transposed natural order the
// lane transforms take: entry k + 1 for zigzag index k (built at first use, after the natural
// order it is derived from). The lane decode counts positions past its last coefficient.
const std::array<uint8_t, 65>& TransposedPlaceBefore() {
    static const std::array<uint8_t, 65> table = [] {
        std::array<uint8_t, 65> t{};
        for (int k = 0; k < 64; ++k) {
            const int n = kZigzagToNatural[k];
            t[k + 1] = static_cast<uint8_t>((n & 7) * 8 + (n >> 3));
        }
        return t;
    }();
    return table;
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

// The DC difference added to the component's predictor (wrapping as the camera's arithmetic
// does).
inline void AddDc(BitReader& br, const HuffmanTable& dc, int32_t& predictor, int& error) {
    predictor = static_cast<int32_t>(static_cast<uint32_t>(predictor) +
                                     static_cast<uint32_t>(DecodeDcDiff(br, dc, error)));
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

#if QV_X86_SIMD
template <Target kTarget>
inline void TransformLanes(int32_t* coef, const int32_t* quant, int extent, uint8_t* out,
                           int stride) {
    if constexpr (kTarget == Target::kAvx2)
        IdctLumaAvx2(coef, quant, extent, out, stride);
    else
        IdctLumaSse2(coef, quant, extent, out, stride);
}
template <Target kTarget>
inline void TransformLanes(int32_t* coef, const int32_t* quant, int extent, int16_t* out,
                           int stride) {
    if constexpr (kTarget == Target::kAvx2)
        IdctChromaAvx2(coef, quant, extent, out, stride);
    else
        IdctChromaSse2(coef, quant, extent, out, stride);
}

// Decodes one block with a lane transform: the quantised coefficients go to their place in the
// transposed order (coef is all zero on entry and is left so), and the transform dequantises
// them with the rest of the block. The same codes, errors and samples as the plain decode: a
// block that passed position 1 without a coefficient (sixteen zeros, then the end) is flat, and
// the transform makes it so.
template <Target kTarget, bool kLuma, typename Sample>
[[gnu::always_inline]] inline void DecodeBlockLanes(BitReader& br, const ComponentTables& t,
                                                    int32_t& predictor, int32_t* coef, Sample* out,
                                                    int stride, int& error) {
    AddDc(br, *t.dc, predictor, error);
    size_t after = 1;  // the position after the last coefficient, DC included
    if (!error) {
        const AcFastLookup& fast = *t.fast;
        while (after < 64) {
            br.Fill();
            const AcFastEntry& f = fast[br.Peek(kAcFastBits)];
            size_t advance = f.advance;
            int32_t value = f.value;
            if (f.advance >= kAcFastLongCode) [[unlikely]] {
                const AcStep st = MarkedAc(br, f, *t.ac);
                if (st.run < 0) break;
                if (st.value == 0) {
                    after += 16;
                    continue;
                }
                advance = static_cast<size_t>(st.run) + 1;
                // Only long codes carry values past the limit the transform expects.
                value = std::clamp(st.value, -kMaxCoefficient, kMaxCoefficient);
            } else {
                br.Skip(f.bits);
            }
            after += advance;
            if (after > 64) {
                error = kScanBadCode;
                break;
            }
            coef[t.place_before[after]] = value;
        }
    }
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

template <Target kTarget, bool kLuma, typename Sample>
[[gnu::always_inline]] inline void DecodeBlock(BitReader& br, const ComponentTables& t,
                                               int32_t& predictor, int32_t* coef, Sample* out,
                                               int stride, int& error) {
#if QV_X86_SIMD
    if constexpr (kTarget != Target::kPlain)
        return DecodeBlockLanes<kTarget, kLuma>(br, t, predictor, coef, out, stride, error);
#endif
    DecodeBlockPlain<kLuma>(br, t, predictor, coef, out, stride, error);
}

// A quantisation table (zigzag order) in the order the lane transforms place coefficients in.
void LaneQuant(const int32_t* quant, const uint8_t* place_before, int32_t* out) {
    for (int k = 0; k < 64; ++k)
        out[place_before[k + 1]] = quant[k];
}

// One row of macroblocks in the planes: sixteen luma rows, eight rows of each chroma plane.
struct PlaneRow {
    uint8_t* luma;
    int16_t* cb;
    int16_t* cr;
    int luma_stride, chroma_stride;
};

// The state carried from block to block of a scan.
struct ScanState {
    int32_t coef[64];  // all zero between blocks
    int32_t pred_y = 0, pred_cb = 0, pred_cr = 0;
};

// Asks for the cache lines that the macroblock eight places on will overwrite, once every four
// macroblocks (a line spans four macroblocks of luma and of chroma): the stores would otherwise
// wait for the lines to come in, one row of the plane after the other.
inline void PrefetchAhead(const PlaneRow& row, int mx) {
    constexpr int kAhead = 8;
    for (int r = 0; r < 16; ++r)
        __builtin_prefetch(row.luma + (mx + kAhead) * 16 + r * row.luma_stride, 1);
    for (int r = 0; r < 8; ++r) {
        __builtin_prefetch(row.cb + (mx + kAhead) * 8 + r * row.chroma_stride, 1);
        __builtin_prefetch(row.cr + (mx + kAhead) * 8 + r * row.chroma_stride, 1);
    }
}

// The macroblocks of one row. Returns 0, or the error that stopped the scan.
template <Target kTarget>
[[gnu::always_inline]] inline int DecodeMacroblockRow(BitReader& br, const ComponentTables& y_tab,
                                                      const ComponentTables& c_tab, ScanState& s,
                                                      const PlaneRow& row, int mcus) {
    int error = 0;
    const int ls = row.luma_stride;
    for (int mx = 0; mx < mcus; ++mx) {
        if ((mx & 3) == 0 && mx + 8 < mcus) PrefetchAhead(row, mx);
        uint8_t* ly = row.luma + mx * 16;
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8 * ls, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8 * ls + 8, ls, error);
        const int cs = row.chroma_stride;
        DecodeBlock<kTarget, false>(br, c_tab, s.pred_cb, s.coef, row.cb + mx * 8, cs, error);
        DecodeBlock<kTarget, false>(br, c_tab, s.pred_cr, s.coef, row.cr + mx * 8, cs, error);
        if (!error && br.Failed()) error = br.StopCode();
        if (error) return error;
    }
    return 0;
}

template <Target kTarget>
ScanResult DecodeMacroblocks(JpgContext& ctx, BitReader& scan_reader, Picture& picture) {
    // A local copy of the reader whose address is never taken stays in registers: the stores
    // into the blocks could otherwise overwrite the shared reader's fields, as far as the
    // compiler knows.
    BitReader br = scan_reader;
    const JpgTables& tab = ctx.tables;
    const uint8_t* place_before = TransposedPlaceBefore().data();
    alignas(32) int32_t lane_quant[2][64];
    LaneQuant(tab.quant[0].data(), place_before, lane_quant[0]);
    LaneQuant(tab.quant[1].data(), place_before, lane_quant[1]);
    const ComponentTables y_tab{&tab.huffman[0][0],  &AcLuminanceLookup(), &AcLuminanceFast(),
                                tab.quant[0].data(), place_before,         lane_quant[0]};
    const ComponentTables c_tab{&tab.huffman[0][1],  &AcChrominanceLookup(), &AcChrominanceFast(),
                                tab.quant[1].data(), place_before,           lane_quant[1]};
    const int w16 = ctx.PaddedWidth(), cw = w16 / 2;
    alignas(32) ScanState state{};
    ScanResult result{0, picture.height};
    for (int my = 0; my < ctx.PaddedHeight() / 16; ++my) {
        const size_t chroma = static_cast<size_t>(my) * 8 * cw;
        const PlaneRow row{ctx.MutableLuma() + static_cast<size_t>(my) * 16 * w16,
                           ctx.MutableCb() + chroma, ctx.MutableCr() + chroma, w16, cw};
        const int error = DecodeMacroblockRow<kTarget>(br, y_tab, c_tab, state, row, w16 / 16);
        if (error) {
            result = {error, 16 * my};
            break;
        }
        ConvertPlaneRows(ctx, picture, 16 * my, std::min(16 * my + 16, picture.height));
    }
    scan_reader = br;
    return result;
}

}  // namespace

ScanResult DecodeScan(JpgContext& ctx, BitReader& br, Picture& picture) {
#if QV_X86_SIMD
    switch (simd::ActiveTarget()) {
        case Target::kAvx2:
            return DecodeMacroblocks<Target::kAvx2>(ctx, br, picture);
        case Target::kSse2:
            return DecodeMacroblocks<Target::kSse2>(ctx, br, picture);
        case Target::kPlain:
            break;
    }
#endif
    return DecodeMacroblocks<Target::kPlain>(ctx, br, picture);
}

}  // namespace qv

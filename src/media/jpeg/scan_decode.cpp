#include "media/jpeg/scan_decode.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "media/jpeg/block_decode.h"
#include "media/jpeg/block_decode_lanes.h"
#include "media/jpeg/block_decode_plain.h"
#include "media/jpeg/colour_convert.h"
#include "media/simd/simd_target.h"

namespace qv {

namespace {

using simd::Target;

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

// One row of macroblocks in the planes: sixteen luma rows, eight rows of each chroma plane.
struct PlaneRow {
    uint8_t* luma;
    int16_t* cb;
    int16_t* cr;
    int luma_stride, chroma_stride;
};

// The state carried from block to block of a scan.
struct ScanState {
    int32_t coef[65];  // all zero between blocks, but for the lane decode's slot behind them
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

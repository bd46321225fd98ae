#include "media/jpeg/scan_decode.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "media/jpeg/block_decode.h"
#include "media/jpeg/block_decode_lanes.h"
#include "media/jpeg/block_decode_plain.h"
#include "media/jpeg/colour_convert.h"
#include "media/jpeg/plane_store.h"
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

// One row of macroblocks of samples: sixteen luma rows, eight rows of each chroma plane.
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

// The macroblocks of one row. Returns the count stored: all of them, or up to the one where
// error was set (stored too).
template <Target kTarget>
[[gnu::always_inline]] inline int DecodeMacroblockRow(BitReader& br, const ComponentTables& y_tab,
                                                      const ComponentTables& c_tab, ScanState& s,
                                                      const PlaneRow& row, int mcus, int& error) {
    const int ls = row.luma_stride;
    for (int mx = 0; mx < mcus; ++mx) {
        uint8_t* ly = row.luma + mx * 16;
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8 * ls, ls, error);
        DecodeBlock<kTarget, true>(br, y_tab, s.pred_y, s.coef, ly + 8 * ls + 8, ls, error);
        const int cs = row.chroma_stride;
        DecodeBlock<kTarget, false>(br, c_tab, s.pred_cb, s.coef, row.cb + mx * 8, cs, error);
        DecodeBlock<kTarget, false>(br, c_tab, s.pred_cr, s.coef, row.cr + mx * 8, cs, error);
        if (!error && br.Failed()) error = br.StopCode();
        if (error) return mx + 1;
    }
    return mcus;
}

// The first mcus macroblocks of the strip's samples into row my of macroblocks of the planes:
// the whole row at once when it is complete.
void KeepInPlanes(JpgContext& ctx, const PlaneRow& strip, int my, int mcus) {
    const int w16 = ctx.PaddedWidth(), cw = w16 / 2;
    uint8_t* luma = ctx.MutableLuma() + static_cast<size_t>(my) * 16 * w16;
    const size_t chroma = static_cast<size_t>(my) * 8 * cw;
    int16_t* cb = ctx.MutableCb() + chroma;
    int16_t* cr = ctx.MutableCr() + chroma;
    if (mcus == w16 / 16) {
        StorePlaneBytes(luma, strip.luma, static_cast<size_t>(w16) * 16);
        StorePlaneBytes(cb, strip.cb, static_cast<size_t>(cw) * 8 * sizeof(int16_t));
        StorePlaneBytes(cr, strip.cr, static_cast<size_t>(cw) * 8 * sizeof(int16_t));
        return;
    }
    for (int r = 0; r < 16; ++r)
        std::memcpy(luma + r * w16, strip.luma + r * w16, static_cast<size_t>(mcus) * 16);
    for (int r = 0; r < 8; ++r) {
        const size_t bytes = static_cast<size_t>(mcus) * 8 * sizeof(int16_t);
        std::memcpy(cb + r * cw, strip.cb + r * cw, bytes);
        std::memcpy(cr + r * cw, strip.cr + r * cw, bytes);
    }
}

// Each row of macroblocks is decoded into the context's strip, converted from there into the
// picture while its samples are in the cache, and then kept in the planes.
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
    const int w16 = ctx.PaddedWidth(), mcus = w16 / 16;
    const PlaneRow strip{ctx.StripLuma(), ctx.StripCb(), ctx.StripCr(), w16, w16 / 2};
    alignas(32) ScanState state{};
    for (int my = 0; my < ctx.PaddedHeight() / 16; ++my) {
        int error = 0;
        const int stored =
            DecodeMacroblockRow<kTarget>(br, y_tab, c_tab, state, strip, mcus, error);
        if (error) {
            KeepInPlanes(ctx, strip, my, stored);
            scan_reader = br;
            return {error, 16 * my};
        }
        const SampleRows samples{strip.luma, strip.cb, strip.cr, w16, w16 / 2};
        ConvertSampleRows(ctx, samples, picture, 16 * my, std::min(16 * my + 16, picture.height));
        KeepInPlanes(ctx, strip, my, mcus);
    }
    scan_reader = br;
    return {0, picture.height};
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

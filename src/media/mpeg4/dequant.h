// Inverse quantisation of one 8x8 block: the MPEG method with the default matrices (ISO/IEC
// 14496-2 7.4.4.2), with the products W x q cached per quantiser, and mismatch control.
#pragma once

#include <cstdint>

namespace qv::mpeg4 {

struct DequantTables {
    int32_t quantiser = -1;  // the value the tables were built for
    int32_t intra[64] = {};  // W x q in raster order; position 0 holds the luma DC scaler
    int32_t inter[64] = {};
    int32_t luma_dc_scaler = 8;
    int32_t chroma_dc_scaler = 8;

    void Build(int32_t q);
    void BuildIfChanged(int32_t q) {
        if (q != quantiser) Build(q);
    }
};

// DC scalers of ISO/IEC 14496-2 table 7-1.
int32_t LumaDcScaler(int32_t q);
int32_t ChromaDcScaler(int32_t q);

// One coefficient of ISO/IEC 14496-2 7.4.4.2: ((2 level + k) x W x q) / 16, the division
// truncating toward zero (k is the level's sign for inter blocks, 0 for intra). W x q is kept
// whole: dividing it by 8 ahead of the level (as a cached multiplier would) loses up to 7/8 per
// level step, which shows as colour steps of 10 and more at saturated edges. Results are not
// clamped to 12 bits: real streams carry 2048..4095 (an inter level of 32 at quantiser 31 gives
// 2112), and clamping them changes the picture and the mismatch sum. Only values the transform
// cannot take are limited: it multiplies each coefficient by 8 in 16 bits, so |v| >= 4096 would
// wrap; such values come only from damaged or hostile streams.
inline int32_t DequantiseLevel(int32_t level, int32_t w_times_q, bool intra) {
    constexpr int64_t kTransformLimit = 4095;
    int64_t c = 2 * static_cast<int64_t>(level);
    if (!intra) c += (c > 0) - (c < 0);
    const int64_t v = c * w_times_q / 16;
    return static_cast<int32_t>(v < -kTransformLimit  ? -kTransformLimit
                                : v > kTransformLimit ? kTransformLimit
                                                      : v);
}

// What is left of a block once DequantiseLevel has taken every listed coefficient (sum: their
// total): the intra DC coefficient by its scaler, and mismatch control, which may list position
// 63 (nonzero must have room for 65 entries).
void FinishDequantisation(int32_t* block, uint8_t* nonzero, int& count, int32_t sum, bool intra,
                          bool chroma, const DequantTables& tables);

// Dequantises a block held in raster order whose non-zero coefficients sit at the count raster
// positions listed in nonzero (any order, no repeats; position 0 need not be listed for intra
// blocks, it is always taken). Coefficients outside the list must be 0. The list may grow by
// position 63 through mismatch control; nonzero must have room for 65 entries.
void DequantiseBlock(int32_t* block, uint8_t* nonzero, int& count, bool intra, bool chroma,
                     const DequantTables& tables);

// The same for a block in zigzag order, in place: afterwards the block is in raster order.
void InverseQuantise(int32_t* block, bool intra, bool chroma, const DequantTables& tables);

}  // namespace qv::mpeg4

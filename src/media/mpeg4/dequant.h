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

// Dequantises a block held in raster order whose non-zero coefficients sit at the count raster
// positions listed in nonzero (any order, no repeats; position 0 need not be listed for intra
// blocks, it is always taken). Coefficients outside the list must be 0. The list may grow by
// position 63 through mismatch control; nonzero must have room for 65 entries.
void DequantiseBlock(int32_t* block, uint8_t* nonzero, int& count, bool intra, bool chroma,
                     const DequantTables& tables);

// The same for a block in zigzag order, in place: afterwards the block is in raster order.
void InverseQuantise(int32_t* block, bool intra, bool chroma, const DequantTables& tables);

}  // namespace qv::mpeg4

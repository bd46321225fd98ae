#include "media/mpeg4/dequant.h"

#include <algorithm>

#include "media/mpeg4/vlc_tables.h"

namespace qv::mpeg4 {

int32_t LumaDcScaler(int32_t q) {
    if (q <= 4) return 8;
    if (q <= 8) return 2 * q;
    if (q <= 24) return q + 8;
    return 2 * q - 16;
}

int32_t ChromaDcScaler(int32_t q) {
    if (q <= 4) return 8;
    if (q <= 24) return (q + 13) / 2;
    return q - 6;
}

void DequantTables::Build(int32_t q) {
    quantiser = q;
    luma_dc_scaler = LumaDcScaler(q);
    chroma_dc_scaler = ChromaDcScaler(q);
    for (int i = 0; i < 64; ++i) {
        intra[i] = kDefaultIntraMatrix[i] * q;
        inter[i] = kDefaultInterMatrix[i] * q;
    }
    intra[0] = luma_dc_scaler;
}

void DequantiseBlock(int32_t* block, uint8_t* nonzero, int& count, bool intra, bool chroma,
                     const DequantTables& t) {
    int32_t sum = 0;
    const int32_t* mult = intra ? t.intra : t.inter;
    for (int k = 0; k < count; ++k) {
        const int i = nonzero[k];
        if (intra && i == 0) continue;
        block[i] = DequantiseLevel(block[i], mult[i], intra);
        sum += block[i];
    }
    FinishDequantisation(block, nonzero, count, sum, intra, chroma, t);
}

void FinishDequantisation(int32_t* block, uint8_t* nonzero, int& count, int32_t sum, bool intra,
                          bool chroma, const DequantTables& t) {
    if (intra) {
        // The scaled DC is limited like the other coefficients, for the transform's sake.
        const int64_t dc =
            static_cast<int64_t>(block[0]) * (chroma ? t.chroma_dc_scaler : t.luma_dc_scaler);
        block[0] = static_cast<int32_t>(std::clamp<int64_t>(dc, -4095, 4095));
        sum += block[0];
    }
    if ((sum & 1) == 0) {
        bool listed = block[63] != 0;
        block[63] ^= 1;
        if (!listed) nonzero[count++] = 63;
    }
}

void InverseQuantise(int32_t* block, bool intra, bool chroma, const DequantTables& tables) {
    int32_t raster[64] = {};
    uint8_t nonzero[65];
    int count = 0;
    for (int k = 0; k < 64; ++k) {
        raster[kZigzag[k]] = block[k];
        if (block[k] != 0) nonzero[count++] = kZigzag[k];
    }
    DequantiseBlock(raster, nonzero, count, intra, chroma, tables);
    std::copy(raster, raster + 64, block);
}

}  // namespace qv::mpeg4

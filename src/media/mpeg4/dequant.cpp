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
        intra[i] = kDefaultIntraMatrix[i] * q * 100 / 800;
        inter[i] = kDefaultInterMatrix[i] * q * 100 / 800;
    }
    intra[0] = luma_dc_scaler;
}

void DequantiseBlock(int32_t* block, uint8_t* nonzero, int& count, bool intra, bool chroma,
                     const DequantTables& t) {
    int32_t sum = 0;
    const int32_t* mult = intra ? t.intra : t.inter;
    for (int k = 0; k < count; ++k) {
        int i = nonzero[k];
        if (intra && i == 0) continue;
        // Levels are at most 12 bits, multipliers below 256: the product fits 32 bits.
        int32_t c = 2 * block[i];
        if (!intra) c += (c > 0) - (c < 0);
        // Coefficients are kept in the 12-bit range of ISO/IEC 14496-2 7.4.3.2, which also keeps
        // the 16-bit inverse transform from overflowing on hostile streams.
        int32_t v = std::clamp((c * mult[i]) >> 1, -2048, 2047);
        block[i] = v;
        sum += v;
    }
    if (intra) {
        int32_t dc = block[0] * (chroma ? t.chroma_dc_scaler : t.luma_dc_scaler);
        block[0] = std::clamp<int32_t>(dc, -2048, 2047);
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

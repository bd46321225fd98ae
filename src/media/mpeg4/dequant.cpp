#include "media/mpeg4/dequant.h"

#include <algorithm>

#include "media/mpeg4/vlc_tables.h"

namespace qv::mpeg4 {

namespace {

// Dequantised values are not clamped to 12 bits: real streams carry 2048..4095 (an inter level of
// 32 at quantiser 31 gives 2112), and clamping them changes the picture and the mismatch sum.
// Only values the transform cannot take are limited: it multiplies each coefficient by 8 in 16
// bits, so |v| >= 4096 would wrap. Such values come only from damaged or hostile streams.
constexpr int32_t kTransformLimit = 4095;

inline int32_t LimitForTransform(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kTransformLimit, kTransformLimit));
}

}  // namespace

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
        int i = nonzero[k];
        if (intra && i == 0) continue;
        // ISO/IEC 14496-2 7.4.4.2: ((2 level + k) x W x q) / 16, the division truncating toward
        // zero. W x q is kept whole: dividing it by 8 ahead of the level (as a cached multiplier
        // would) loses up to 7/8 per level step, which shows as colour steps of 10 and more at
        // saturated edges. 64 bits, as DQUANT may carry q far past 31 in a damaged stream.
        int64_t c = 2 * static_cast<int64_t>(block[i]);
        if (!intra) c += (c > 0) - (c < 0);
        int64_t v = c * mult[i] / 16;
        block[i] = LimitForTransform(v);
        sum += block[i];
    }
    if (intra) {
        int32_t dc = block[0] * (chroma ? t.chroma_dc_scaler : t.luma_dc_scaler);
        block[0] = LimitForTransform(dc);
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

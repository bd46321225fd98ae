// What the plain and the lane decode of a block share: the tables a component's blocks are
// decoded with, the plain dequantisation, the flat blocks and the DC prediction.
#pragma once

#include <algorithm>
#include <cstdint>

#include "media/jpeg/bit_reader.h"
#include "media/jpeg/colour_convert.h"
#include "media/jpeg/entropy_decode.h"
#include "media/jpeg/idct_lanes.h"

namespace qv {

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

// The plain dequantisation of one coefficient.
inline int32_t Dequantise(int32_t c, int32_t q) {
    int32_t v = std::clamp(c, -kMaxCoefficient, kMaxCoefficient) * q;
    return std::clamp(v, -kMaxDequantised, kMaxDequantised);
}

// Fills an 8x8 area of a plane with one transform output: luma level-shifted and limited to
// 0..255, chroma limited to what the colour conversion covers.
template <bool kLuma, typename Sample>
inline void FillBlock(int32_t v, Sample* out, int stride) {
    Sample flat = kLuma ? static_cast<Sample>(std::clamp(v + 128, 0, 255))
                        : static_cast<Sample>(std::clamp(v, kChromaMin, kChromaMax));
    for (int y = 0; y < 8; ++y)
        std::fill(out + y * stride, out + y * stride + 8, flat);
}

// The DC difference added to the component's predictor (wrapping as the camera's arithmetic
// does).
inline void AddDc(BitReader& br, const HuffmanTable& dc, int32_t& predictor, int& error) {
    predictor = static_cast<int32_t>(static_cast<uint32_t>(predictor) +
                                     static_cast<uint32_t>(DecodeDcDiff(br, dc, error)));
}

}  // namespace qv

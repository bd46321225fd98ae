// The colour conversion for SSE2 and for AVX2 processors: the bytes of ConvertPlanes' plain
// loops, with each chroma row's offsets worked out once for the two picture rows it covers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

// Picture rows first .. end - 1 (first even) and the decoded samples they come from (luma
// 0..255, chroma centred on 0 at half width and height), each pointer at row first's samples or
// pixels.
struct ColourRows {
    const uint8_t* luma;
    const int16_t* cb;
    const int16_t* cr;
    int luma_stride, chroma_stride;
    uint8_t* bgr;
    size_t bgr_stride;
    int width, height;
    int first, end;
};

void ConvertColourSse2(const ColourRows& rows);
void ConvertColourAvx2(const ColourRows& rows);

}  // namespace qv

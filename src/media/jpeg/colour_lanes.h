// The colour conversion for SSE2 and for AVX2 processors: the bytes of ConvertPlanes' plain
// loops, with each chroma row's offsets worked out once for the two picture rows it covers.
#pragma once

#include <cstdint>

#include "media/picture/picture.h"

namespace qv {

// The decoded planes of one frame: luma 0..255, chroma centred on 0 at half width and height.
struct ColourPlanes {
    const uint8_t* luma;
    const int16_t* cb;
    const int16_t* cr;
    int luma_stride, chroma_stride;
};

// Fills picture (already sized) from planes covering at least its width and height.
void ConvertColourSse2(const ColourPlanes& planes, Picture& picture);
void ConvertColourAvx2(const ColourPlanes& planes, Picture& picture);

}  // namespace qv

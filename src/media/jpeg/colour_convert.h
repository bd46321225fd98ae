// Conversion of the decoded sample planes into the BGR picture, with nearest-neighbour chroma
// upsampling and an optional grey mode.
#pragma once

#include "media/jpeg/jpeg_context.h"
#include "media/picture/picture.h"

namespace qv {

// Chroma samples are kept within this range so that sample + 128 stays inside the saturation
// table.
constexpr int kChromaMin = -kSaturateOffset - 128;
constexpr int kChromaMax = 1535 - 128;

// Decoded samples of picture rows from an even row `first` on: luma row first + i at
// luma + i * luma_stride, chroma row first / 2 + i at cb and cr + i * chroma_stride. Luma
// 0..255, chroma centred on 0 at half width and height.
struct SampleRows {
    const uint8_t* luma;
    const int16_t* cb;
    const int16_t* cr;
    int luma_stride, chroma_stride;
};

// Converts picture rows first .. end - 1 (first even, end at most the height) from samples into
// picture (already sized to the planes): the decoder converts each row of macroblocks while its
// samples are still in the cache.
void ConvertSampleRows(JpgContext& ctx, const SampleRows& samples, Picture& picture, int first,
                       int end);

// The same from the context's planes.
void ConvertPlaneRows(JpgContext& ctx, Picture& picture, int first, int end);

// Converts the visible width x height of the planes into picture (already sized to them).
inline void ConvertPlanes(JpgContext& ctx, Picture& picture) {
    ConvertPlaneRows(ctx, picture, 0, picture.height);
}

}  // namespace qv

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

// Converts picture rows first .. end - 1 of the planes (first even, end at most the height) into
// picture (already sized to them): the decoder converts each row of macroblocks while its samples
// are still in the cache.
void ConvertPlaneRows(JpgContext& ctx, Picture& picture, int first, int end);

// Converts the visible width x height of the planes into picture (already sized to them).
inline void ConvertPlanes(JpgContext& ctx, Picture& picture) {
    ConvertPlaneRows(ctx, picture, 0, picture.height);
}

}  // namespace qv

// The block-edge filter run on many edges at once (eight with SSE2, sixteen with AVX2), in two
// steps that a plane can take band by band: the vertical edges of some rows, then each
// horizontal edge once the rows of its window have had theirs. Same results and counts as
// DeblockPlane's plain loops.
#pragma once

#include <cstdint>

#include "media/mpeg4/deblock.h"

namespace qv::mpeg4 {

// Planes up to this width take the lane loops (the picture decoder stops at 80 macroblocks).
constexpr int32_t kMaxLaneWidth = 2048;

struct EdgeFilters {
    // The vertical edges of `count` rows of width samples (width <= kMaxLaneWidth).
    void (*rows)(uint8_t* rows, int32_t width, int32_t count, int32_t stride, int32_t qp,
                 DeblockCounters* counters);
    // The horizontal edge at row `edge`: saved holds row edge - 5 as it was before the edge
    // above changed it and receives row edge + 3 as it is before this edge changes it.
    void (*edge)(uint8_t* plane, int32_t width, int32_t stride, int32_t edge, uint8_t* saved,
                 int32_t qp, DeblockCounters* counters);
};

EdgeFilters Sse2EdgeFilters();
EdgeFilters Avx2EdgeFilters();

}  // namespace qv::mpeg4

// The block-edge filter run on many edges at once (eight with SSE2, sixteen with AVX2): rows for
// the vertical edges, columns for the horizontal ones. Same results and counts as DeblockPlane's
// plain loops. False, nothing done, for planes wider than 2048 samples.
#pragma once

#include <cstdint>

#include "media/mpeg4/deblock.h"

namespace qv::mpeg4 {

bool DeblockPlaneSse2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters);
bool DeblockPlaneAvx2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters);

}  // namespace qv::mpeg4

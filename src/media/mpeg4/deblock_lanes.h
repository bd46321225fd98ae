// The block-edge filter run on sixteen edges at once: sixteen rows for the vertical edges,
// sixteen columns for the horizontal ones, for SSE2 and for AVX2 processors. Same results and
// counts as DeblockPlane's plain loops. False, nothing done, for planes wider than 2048 samples.
#pragma once

#include <cstdint>

#include "media/mpeg4/deblock.h"

namespace qv::mpeg4 {

bool DeblockPlaneSse2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters);
bool DeblockPlaneAvx2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters);

}  // namespace qv::mpeg4

// The block-edge filter for SSE2, which every x86-64 processor has.
#include <emmintrin.h>

#include <cstdint>
#include <cstring>

#include "media/mpeg4/deblock_lanes.h"
#include "media/simd/lanes.h"

namespace qv::mpeg4 {

namespace {
constexpr int kLanes = 8;
#include "media/mpeg4/deblock_edges.inc"
}  // namespace

bool DeblockPlaneSse2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters) {
    return DeblockLanes(plane, width, height, stride, qp, counters);
}

}  // namespace qv::mpeg4

// The block-edge filter for processors with AVX2 (built with -mavx2; called only on such
// processors).
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "media/mpeg4/deblock_lanes.h"
#include "media/simd/lanes.h"

namespace qv::mpeg4 {

namespace {
constexpr int kLanes = 16;
#include "media/mpeg4/deblock_edges.inc"
}  // namespace

bool DeblockPlaneAvx2(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                      DeblockCounters* counters) {
    return DeblockLanes(plane, width, height, stride, qp, counters);
}

}  // namespace qv::mpeg4

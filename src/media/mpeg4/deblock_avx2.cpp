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

void VerticalEdgesAvx2(uint8_t* rows, int32_t width, int32_t count, int32_t stride, int32_t qp,
                       DeblockCounters* counters) {
    VerticalEdges(rows, width, count, stride, QuantiserLanes(qp), counters);
}

void HorizontalEdgeAvx2(uint8_t* plane, int32_t width, int32_t stride, int32_t edge, uint8_t* saved,
                        int32_t qp, DeblockCounters* counters) {
    HorizontalEdgeRow(plane, width, stride, edge, saved, QuantiserLanes(qp), counters);
}

}  // namespace

EdgeFilters Avx2EdgeFilters() {
    return {VerticalEdgesAvx2, HorizontalEdgeAvx2};
}

}  // namespace qv::mpeg4

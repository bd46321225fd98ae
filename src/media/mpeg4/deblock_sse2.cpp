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

void VerticalEdgesSse2(uint8_t* rows, int32_t width, int32_t count, int32_t stride, int32_t qp,
                       DeblockCounters* counters) {
    VerticalEdges(rows, width, count, stride, QuantiserLanes(qp), counters);
}

void HorizontalEdgeSse2(uint8_t* plane, int32_t width, int32_t stride, int32_t edge, uint8_t* saved,
                        int32_t qp, DeblockCounters* counters) {
    HorizontalEdgeRow(plane, width, stride, edge, saved, QuantiserLanes(qp), counters);
}

}  // namespace

EdgeFilters Sse2EdgeFilters() {
    return {VerticalEdgesSse2, HorizontalEdgeSse2};
}

}  // namespace qv::mpeg4

// Smoothing of block edges on a copy of the decoded picture before it is shown (prediction keeps
// using the unfiltered picture). Method 1 low-passes the whole plane; method 2 filters each 8x8
// block edge in a default mode or a DC offset mode, after the informative deblocking filter of
// ISO/IEC 14496-2 Annex F, driven by the picture's quantiser.
#pragma once

#include <cstdint>

namespace qv::mpeg4 {

enum DeblockMethod : int32_t { kDeblockNone = 0, kDeblockLowPass = 1, kDeblockEdges = 2 };

// Counts of edges changed by each mode of FilterEdge (the player prints them when it stops).
struct DeblockCounters {
    int32_t default_mode = 0;
    int32_t dc_offset_mode = 0;
};

// Edge window: x[4] .. x[13] are the ten samples x0..x9 across the edge (between x4 and x5);
// four entries of room on each side for the DC offset mode's padding.
struct EdgeWindow {
    int32_t s[18];
    int32_t& x(int i) { return s[4 + i]; }
};

// 0 unchanged, 1 default mode applied (x4, x5), 2 DC offset mode applied (x1..x8).
int32_t FilterEdge(EdgeWindow& w, int32_t qp);

// One plane of width x height samples, rows stride samples apart, filtered in place.
void LowPassPlane(uint8_t* plane, int32_t width, int32_t height, int32_t stride);
void DeblockPlane(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                  DeblockCounters* counters);

// Applies the method to Y (width x height) and U, V (half size each way).
void DeblockPicture(int32_t method, uint8_t* y, uint8_t* u, uint8_t* v, int32_t width,
                    int32_t height, int32_t luma_stride, int32_t chroma_stride, int32_t qp,
                    DeblockCounters* counters);

}  // namespace qv::mpeg4

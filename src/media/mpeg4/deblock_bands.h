// Deblocking method 2 taken band by band: a plane's rows are copied, their vertical edges
// filtered, and each horizontal edge filtered as soon as the rows of its window are ready, so
// that the rows being worked on stay in cache; the picture's finished rows are converted to 24
// bits at once. Gives the bytes and counts of the whole-plane filter.
#pragma once

#include <cstdint>

#include "media/mpeg4/deblock_lanes.h"
#include "media/mpeg4/frame_buffers.h"
#include "media/picture/picture.h"

namespace qv::mpeg4 {

// The lane filters of the active instruction-set target; null members on the plain target.
EdgeFilters ActiveEdgeFilters();

// One plane's progress: width x height samples are filtered (width <= kMaxLaneWidth); `rows` rows
// (at least height) are copied from src to dst (src may be dst: nothing is copied).
class PlaneBands {
  public:
    PlaneBands(const EdgeFilters& filters, const uint8_t* src, uint8_t* dst, int32_t width,
               int32_t height, int32_t rows, int32_t stride, int32_t qp, DeblockCounters* counters);
    // Takes the plane up to row `to`: copies the rows, filters their vertical edges and every
    // horizontal edge whose window they complete.
    void Advance(int32_t to);
    // Rows above this are final: no later edge changes them.
    int32_t Finished() const;

  private:
    EdgeFilters filters_;
    const uint8_t* src_;
    uint8_t* dst_;
    int32_t width_, height_, rows_, stride_, qp_;
    DeblockCounters* counters_;
    int32_t copied_ = 0;
    int32_t next_edge_ = 8;
    uint8_t saved_[kMaxLaneWidth];
};

// Method 2 on the decoded picture, into work, and the conversion of the result into picture
// (width x height). False, nothing done, where the lane filters do not apply: on the plain
// target and for pictures wider than kMaxLaneWidth.
bool DeblockAndConvert(const YuvPicture& decoded, YuvPicture& work, int32_t width, int32_t height,
                       int32_t luma_stride, int32_t chroma_stride, int32_t qp,
                       DeblockCounters* counters, Picture& picture);

}  // namespace qv::mpeg4

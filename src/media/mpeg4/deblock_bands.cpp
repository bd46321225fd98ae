#include "media/mpeg4/deblock_bands.h"

#include <algorithm>
#include <cstring>

#include "media/mpeg4/yuv_rgb.h"
#include "media/simd/simd_target.h"

namespace qv::mpeg4 {

namespace {

// Luma rows per band (chroma takes half): two strips of the vertical-edge transposes, and few
// enough that the band's rows of all three planes stay in the second-level cache.
constexpr int32_t kBandRows = 32;

}  // namespace

EdgeFilters ActiveEdgeFilters() {
#if QV_X86_SIMD
    switch (simd::ActiveTarget()) {
        case simd::Target::kAvx2:
            return Avx2EdgeFilters();
        case simd::Target::kSse2:
            return Sse2EdgeFilters();
        case simd::Target::kPlain:
            break;
    }
#endif
    return {nullptr, nullptr};
}

PlaneBands::PlaneBands(const EdgeFilters& filters, const uint8_t* src, uint8_t* dst, int32_t width,
                       int32_t height, int32_t rows, int32_t stride, int32_t qp,
                       DeblockCounters* counters)
    : filters_(filters),
      src_(src),
      dst_(dst),
      width_(width),
      height_(height),
      rows_(rows),
      stride_(stride),
      qp_(qp),
      counters_(counters) {}

void PlaneBands::Advance(int32_t to) {
    to = std::min(to, rows_);
    if (to <= copied_) return;
    const size_t at = static_cast<size_t>(copied_) * stride_;
    if (src_ != dst_)
        std::memcpy(dst_ + at, src_ + at, static_cast<size_t>(to - copied_) * stride_);
    const int32_t filter_to = std::min(to, height_);
    if (filter_to > copied_)
        filters_.rows(dst_ + at, width_, filter_to - copied_, stride_, qp_, counters_);
    copied_ = to;
    // Edge e reads rows e - 5 .. e + 4 and changes e - 4 .. e + 3.
    for (; next_edge_ + 4 < height_ && next_edge_ + 4 < filter_to; next_edge_ += 8) {
        if (next_edge_ == 8) std::memcpy(saved_, dst_ + 3 * static_cast<size_t>(stride_), width_);
        filters_.edge(dst_, width_, stride_, next_edge_, saved_, qp_, counters_);
    }
}

int32_t PlaneBands::Finished() const {
    const int32_t filtered = std::min(copied_, height_);
    // Rows past the filtered height are only copied.
    if (next_edge_ + 4 >= height_) return filtered < height_ ? filtered : copied_;
    return std::min(next_edge_ - 4, filtered);
}

bool DeblockAndConvert(const YuvPicture& decoded, YuvPicture& work, int32_t width, int32_t height,
                       int32_t luma_stride, int32_t chroma_stride, int32_t qp,
                       DeblockCounters* counters, Picture& picture) {
    const EdgeFilters filters = ActiveEdgeFilters();
    if (!filters.rows || width > kMaxLaneWidth) return false;
    const int32_t cw = width / 2, ch = height / 2;
    // An odd height shows one row of chroma below the filtered ones.
    const int32_t chroma_rows = (height + 1) / 2;
    PlaneBands y(filters, decoded.y.data(), work.y.data(), width, height, height, luma_stride, qp,
                 counters);
    PlaneBands u(filters, decoded.u.data(), work.u.data(), cw, ch, chroma_rows, chroma_stride, qp,
                 counters);
    PlaneBands v(filters, decoded.v.data(), work.v.data(), cw, ch, chroma_rows, chroma_stride, qp,
                 counters);
    int32_t shown = 0;
    for (int32_t band = kBandRows; shown < height; band += kBandRows) {
        y.Advance(band);
        u.Advance(band / 2);
        v.Advance(band / 2);
        int32_t ready = std::min({y.Finished(), 2 * u.Finished(), 2 * v.Finished(), height});
        if (ready < height) ready &= ~1;  // a band of rows starts a row of chroma
        if (ready <= shown) continue;
        ConvertRowsToRgb(work.y.data(), luma_stride, work.u.data(), work.v.data(), chroma_stride,
                         width, shown, ready, picture);
        shown = ready;
    }
    return true;
}

}  // namespace qv::mpeg4

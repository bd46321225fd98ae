#include "media/mpeg4/deblock.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "media/mpeg4/deblock_bands.h"

namespace qv::mpeg4 {

namespace {

inline int32_t Sign(int32_t v) {
    return v < 0 ? -1 : 1;
}

int32_t DefaultMode(EdgeWindow& w, int32_t qp) {
    const int32_t a30 = (2 * w.x(3) - 5 * w.x(4) + 5 * w.x(5) - 2 * w.x(6) + 4) >> 3;
    if (std::abs(a30) >= qp) return 0;
    const int32_t a31 = (2 * w.x(1) - 5 * w.x(2) + 5 * w.x(3) - 2 * w.x(4) + 4) >> 3;
    const int32_t a32 = (2 * w.x(5) - 5 * w.x(6) + 5 * w.x(7) - 2 * w.x(8) + 4) >> 3;
    const int32_t a30p = Sign(a30) * std::min({std::abs(a30), std::abs(a31), std::abs(a32)});
    const int32_t d = (5 * (a30p - a30) + 4) >> 3;
    const int32_t e = (w.x(4) - w.x(5)) / 2;
    if ((d < 0) != (e < 0)) return 0;
    const int32_t dp = std::abs(d) < std::abs(e) ? d : e;
    w.x(4) = std::clamp(w.x(4) - dp, 0, 255);
    w.x(5) = std::clamp(w.x(5) + dp, 0, 255);
    return 1;
}

int32_t DcOffsetMode(EdgeWindow& w, int32_t qp) {
    int32_t lo = w.x(1), hi = w.x(1);
    for (int i = 2; i <= 8; ++i) {
        lo = std::min(lo, w.x(i));
        hi = std::max(hi, w.x(i));
    }
    if (hi - lo >= 2 * qp) return 0;
    const int32_t p0 = std::abs(w.x(0) - w.x(1)) < qp ? w.x(0) : w.x(1);
    const int32_t p9 = std::abs(w.x(8) - w.x(9)) < qp ? w.x(9) : w.x(8);
    int32_t s[17];  // positions -4 .. 12
    for (int n = -4; n <= 12; ++n)
        s[n + 4] = n <= 0 ? p0 : (n >= 9 ? p9 : w.x(n));
    static constexpr int32_t kTaps[9] = {1, 1, 2, 2, 4, 2, 2, 1, 1};
    for (int n = 1; n <= 8; ++n) {
        int32_t sum = 8;
        for (int k = 0; k < 9; ++k)
            sum += kTaps[k] * s[n + k];
        w.x(n) = sum >> 4;
    }
    return 2;
}

// Filters the block edges along one line of n samples step apart.
void FilterLine(uint8_t* line, int32_t n, int32_t step, int32_t qp, DeblockCounters* counters) {
    auto load = [&](int32_t edge, EdgeWindow& w) {
        for (int i = 0; i < 10; ++i)
            w.x(i) = line[static_cast<std::ptrdiff_t>(edge - 5 + i) * step];
    };
    int32_t edge = 8;
    if (edge + 4 >= n) return;
    EdgeWindow cur, next;
    load(edge, cur);
    while (true) {
        int32_t mode = FilterEdge(cur, qp);
        int32_t next_edge = edge + 8;
        bool more = next_edge + 4 < n;
        if (more) load(next_edge, next);
        if (mode == 1) {
            line[static_cast<std::ptrdiff_t>(edge - 1) * step] = static_cast<uint8_t>(cur.x(4));
            line[static_cast<std::ptrdiff_t>(edge) * step] = static_cast<uint8_t>(cur.x(5));
            if (counters) ++counters->default_mode;
        } else if (mode == 2) {
            for (int i = 1; i <= 8; ++i)
                line[static_cast<std::ptrdiff_t>(edge - 5 + i) * step] =
                    static_cast<uint8_t>(cur.x(i));
            if (counters) ++counters->dc_offset_mode;
        }
        if (!more) return;
        cur = next;
        edge = next_edge;
    }
}

void LowPassLine(uint8_t* line, int32_t n, int32_t step) {
    if (n < 3) return;
    int32_t left = line[0];
    for (int32_t i = 1; i <= n - 3; ++i) {
        int32_t centre = line[static_cast<std::ptrdiff_t>(i) * step];
        int32_t right = line[static_cast<std::ptrdiff_t>(i + 1) * step];
        line[static_cast<std::ptrdiff_t>(i) * step] =
            static_cast<uint8_t>((left + 2 * centre + right) / 4);
        left = centre;
    }
}

}  // namespace

int32_t FilterEdge(EdgeWindow& w, int32_t qp) {
    int32_t eq_cnt = 0;
    for (int i = 0; i <= 8; ++i)
        if (std::abs(w.x(i + 1) - w.x(i)) <= 2) ++eq_cnt;
    return eq_cnt < 8 ? DefaultMode(w, qp) : DcOffsetMode(w, qp);
}

void LowPassPlane(uint8_t* plane, int32_t width, int32_t height, int32_t stride) {
    for (int32_t y = 0; y < height; ++y)
        LowPassLine(plane + static_cast<size_t>(y) * stride, width, 1);
    for (int32_t x = 0; x < width; ++x)
        LowPassLine(plane + x, height, stride);
}

void DeblockPlane(uint8_t* plane, int32_t width, int32_t height, int32_t stride, int32_t qp,
                  DeblockCounters* counters) {
    const EdgeFilters lanes = ActiveEdgeFilters();
    if (lanes.rows && width <= kMaxLaneWidth) {
        PlaneBands bands(lanes, plane, plane, width, height, height, stride, qp, counters);
        bands.Advance(height);
        return;
    }
    for (int32_t y = 0; y < height; ++y)
        FilterLine(plane + static_cast<size_t>(y) * stride, width, 1, qp, counters);
    for (int32_t x = 0; x < width; ++x)
        FilterLine(plane + x, height, stride, qp, counters);
}

void DeblockPicture(int32_t method, uint8_t* y, uint8_t* u, uint8_t* v, int32_t width,
                    int32_t height, int32_t luma_stride, int32_t chroma_stride, int32_t qp,
                    DeblockCounters* counters) {
    const int32_t cw = width / 2, ch = height / 2;
    if (method == kDeblockLowPass) {
        LowPassPlane(y, width, height, luma_stride);
        LowPassPlane(u, cw, ch, chroma_stride);
        LowPassPlane(v, cw, ch, chroma_stride);
    } else if (method == kDeblockEdges) {
        DeblockPlane(y, width, height, luma_stride, qp, counters);
        DeblockPlane(u, cw, ch, chroma_stride, qp, counters);
        DeblockPlane(v, cw, ch, chroma_stride, qp, counters);
    }
}

}  // namespace qv::mpeg4

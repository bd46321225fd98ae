#include "media/mpeg4/motion.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "media/mpeg4/vlc_reader.h"

namespace qv::mpeg4 {

namespace {

int32_t Median(int32_t a, int32_t b, int32_t c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// Vectors far outside any picture are held at this size so sums cannot overflow.
constexpr int32_t kVectorLimit = 1 << 20;

void CopyBlockClamped(const PlaneView& p, int32_t x0, int32_t y0, int32_t size, uint8_t* out) {
    if (x0 >= 0 && y0 >= 0 && x0 + size <= p.stride && y0 + size <= p.rows) {
        for (int32_t j = 0; j < size; ++j)
            std::memcpy(out + j * size, p.data + static_cast<size_t>(y0 + j) * p.stride + x0,
                        static_cast<size_t>(size));
        return;
    }
    for (int32_t j = 0; j < size; ++j) {
        int32_t y = std::clamp(y0 + j, 0, p.rows - 1);
        for (int32_t i = 0; i < size; ++i) {
            int32_t x = std::clamp(x0 + i, 0, p.stride - 1);
            out[j * size + i] = p.data[static_cast<size_t>(y) * p.stride + x];
        }
    }
}

inline uint8_t SampleClamped(const PlaneView& p, int32_t x, int32_t y) {
    x = std::clamp(x, 0, p.stride - 1);
    y = std::clamp(y, 0, p.rows - 1);
    return p.data[static_cast<size_t>(y) * p.stride + x];
}

// 8x8 chroma prediction from rows s (stride apart) with half-sample flags; averages truncate.
template <int kFx, int kFy>
void Average(const uint8_t* s, int32_t stride, uint8_t* out) {
#if defined(__SSE2__)
    // Eight samples of a row at a time in 16-bit lanes: the sums of four stay far inside them.
    const __m128i zero = _mm_setzero_si128();
    auto row = [&](const uint8_t* at) {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at)), zero);
    };
    for (int32_t j = 0; j < 8; ++j, s += stride, out += 8) {
        __m128i v = row(s);
        if (kFx) v = _mm_add_epi16(v, row(s + 1));
        if (kFy) v = _mm_add_epi16(v, row(s + stride));
        if (kFx && kFy) v = _mm_add_epi16(v, row(s + stride + 1));
        v = _mm_srli_epi16(v, (kFx ? 1 : 0) + (kFy ? 1 : 0));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(v, v));
    }
#else
    for (int32_t j = 0; j < 8; ++j, s += stride, out += 8) {
        for (int32_t i = 0; i < 8; ++i) {
            int v;
            if (kFx && kFy)
                v = (s[i] + s[i + 1] + s[i + stride] + s[i + stride + 1]) / 4;
            else if (kFx)
                v = (s[i] + s[i + 1]) / 2;
            else if (kFy)
                v = (s[i] + s[i + stride]) / 2;
            else
                v = s[i];
            out[i] = static_cast<uint8_t>(v);
        }
    }
#endif
}

void PredictChroma(const PlaneView& p, int32_t x0, int32_t y0, int fx, int fy, uint8_t* out) {
    const uint8_t* src;
    int32_t stride;
    uint8_t edge[9 * 9];
    if (x0 >= 0 && y0 >= 0 && x0 + 9 <= p.stride && y0 + 9 <= p.rows) {
        src = p.data + static_cast<size_t>(y0) * p.stride + x0;
        stride = p.stride;
    } else {
        // Near the edges the 9x9 samples are gathered with clamped coordinates first.
        for (int32_t j = 0; j < 9; ++j)
            for (int32_t i = 0; i < 9; ++i)
                edge[j * 9 + i] = SampleClamped(p, x0 + i, y0 + j);
        src = edge;
        stride = 9;
    }
    switch ((fx ? 1 : 0) | (fy ? 2 : 0)) {
        case 0:
            Average<0, 0>(src, stride, out);
            break;
        case 1:
            Average<1, 0>(src, stride, out);
            break;
        case 2:
            Average<0, 1>(src, stride, out);
            break;
        default:
            Average<1, 1>(src, stride, out);
            break;
    }
}

}  // namespace

bool DecodeVectorDifference(StreamReader& r, int32_t r_size, int32_t& difference) {
    const VlcTables& t = Tables();
    int32_t code = DecodeVlc(r, t.mvd, MvdRows());
    if (code < 0) return false;
    difference = 0;
    if (code == 0) return true;
    uint32_t sign;
    if (!r.ReadBits(1, sign)) return false;
    if (r_size <= 0) {
        difference = sign ? -code : code;
        return true;
    }
    uint32_t residual;
    if (!r.ReadBits(r_size, residual)) return false;
    int32_t magnitude = ((code - 1) << r_size) + static_cast<int32_t>(residual) + 1;
    difference = sign ? -magnitude : magnitude;
    return true;
}

MotionVector PredictVector(const MotionVector* row, int32_t col) {
    const MotionVector unavailable = kUnavailableVector;
    MotionVector cand[3] = {col > 0 ? row[col - 1] : unavailable, row[col], row[col + 1]};
    int available = 0;
    for (const MotionVector& c : cand)
        if (c.x != kVectorUnavailable) ++available;
    if (available == 0) return {};
    if (available == 1) {
        for (const MotionVector& c : cand)
            if (c.x != kVectorUnavailable) return c;
    }
    for (MotionVector& c : cand)
        if (c.x == kVectorUnavailable) c = {};
    return {Median(cand[0].x, cand[1].x, cand[2].x), Median(cand[0].y, cand[1].y, cand[2].y)};
}

bool DecodeMotionVector(StreamReader& r, int32_t r_size, MotionVector* row, int32_t col,
                        MotionVector& out) {
    int32_t dx, dy;
    if (!DecodeVectorDifference(r, r_size, dx) || !DecodeVectorDifference(r, r_size, dy))
        return false;
    MotionVector pred = PredictVector(row, col);
    out.x = std::clamp(pred.x + dx, -kVectorLimit, kVectorLimit);
    out.y = std::clamp(pred.y + dy, -kVectorLimit, kVectorLimit);
    row[col] = out;
    return true;
}

void PredictMacroblock(int32_t row, int32_t col, int32_t mb_width, int32_t mb_height,
                       const PlaneView& ref_y, const PlaneView& ref_u, const PlaneView& ref_v,
                       MotionVector mv, uint8_t* pred_y, uint8_t* pred_u, uint8_t* pred_v) {
    int32_t hx = mv.x / 2;
    int32_t hy = mv.y / 2;
    // Edge macroblocks never point out of the picture on their outer side.
    if (row == 0 && hy < 0) hy = 0;
    if (row == mb_height - 1 && hy > 0) hy = 0;
    if (col == 0 && hx < 0) hx = 0;
    if (col == mb_width - 1 && hx > 0) hx = 0;
    CopyBlockClamped(ref_y, 16 * col + hx, 16 * row + hy, 16, pred_y);
    int32_t cx = 8 * col + (hx >> 1);
    int32_t cy = 8 * row + (hy >> 1);
    PredictChroma(ref_u, cx, cy, hx & 1, hy & 1, pred_u);
    PredictChroma(ref_v, cx, cy, hx & 1, hy & 1, pred_v);
}

}  // namespace qv::mpeg4

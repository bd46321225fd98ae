#include "media/mpeg4/idct.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv::mpeg4 {

namespace {

// (v + 8192) >> 14, kept to 16 bits.
inline int16_t Round14(int32_t v) {
    return static_cast<int16_t>((v + 8192) >> 14);
}
inline int16_t S16(int32_t v) {
    return static_cast<int16_t>(v);
}

// One 1-D pass over eight values at x[0], x[step], ... x[7 * step].
inline void Pass(int16_t* x, int step) {
    const int32_t x0 = x[0], x1 = x[step], x2 = x[2 * step], x3 = x[3 * step];
    const int32_t x4 = x[4 * step], x5 = x[5 * step], x6 = x[6 * step], x7 = x[7 * step];
    const int16_t e0 = S16(x0 + x4), e1 = S16(x0 - x4);
    const int16_t a = Round14(8866 * x2 - 21406 * x6);
    const int16_t b = Round14(21406 * x2 + 8866 * x6);
    const int16_t s0 = S16(e0 + b), s3 = S16(e0 - b), s1 = S16(e1 + a), s2 = S16(e1 - a);
    const int16_t c = Round14(11585 * x1 - 11585 * x7);
    const int16_t d = Round14(11585 * x1 + 11585 * x7);
    const int16_t p = S16(c + x5), q = S16(c - x5), r = S16(d + x3), t = S16(d - x3);
    const int16_t u = Round14(19265 * p - 12872 * r);
    const int16_t v = Round14(12872 * p + 19265 * r);
    const int16_t w = Round14(22725 * t - 4520 * q);
    const int16_t z = Round14(4520 * t + 22725 * q);
    x[0] = S16(s0 + v);
    x[step] = S16(s1 + z);
    x[2 * step] = S16(s2 + w);
    x[3 * step] = S16(s3 + u);
    x[4 * step] = S16(s3 - u);
    x[5 * step] = S16(s2 - w);
    x[6 * step] = S16(s1 - z);
    x[7 * step] = S16(s0 - v);
}

#if defined(__SSE2__)
// Round14(ca * x + cb * y) in eight 16-bit lanes, truncated to 16 bits like the scalar pass.
inline __m128i Round14Pair(__m128i x, __m128i y, int16_t ca, int16_t cb) {
    const __m128i k = _mm_set1_epi32(
        static_cast<int32_t>(static_cast<uint16_t>(ca)) |
        static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint16_t>(cb)) << 16));
    const __m128i round = _mm_set1_epi32(8192);
    __m128i lo = _mm_madd_epi16(_mm_unpacklo_epi16(x, y), k);
    __m128i hi = _mm_madd_epi16(_mm_unpackhi_epi16(x, y), k);
    lo = _mm_srai_epi32(_mm_add_epi32(lo, round), 14);
    hi = _mm_srai_epi32(_mm_add_epi32(hi, round), 14);
    lo = _mm_srai_epi32(_mm_slli_epi32(lo, 16), 16);
    hi = _mm_srai_epi32(_mm_slli_epi32(hi, 16), 16);
    return _mm_packs_epi32(lo, hi);
}

// (v + 32) >> 6 in 32 bits, clamped to -256..255.
inline __m128i Descale(__m128i v) {
    const __m128i add = _mm_set1_epi32(32);
    __m128i lo = _mm_srai_epi32(_mm_unpacklo_epi16(v, v), 16);
    __m128i hi = _mm_srai_epi32(_mm_unpackhi_epi16(v, v), 16);
    lo = _mm_srai_epi32(_mm_add_epi32(lo, add), 6);
    hi = _mm_srai_epi32(_mm_add_epi32(hi, add), 6);
    __m128i r = _mm_packs_epi32(lo, hi);
    r = _mm_max_epi16(r, _mm_set1_epi16(-256));
    return _mm_min_epi16(r, _mm_set1_epi16(255));
}

// The pass down all eight columns of x[0..7] at once, one column per 16-bit lane.
void PassLanes(__m128i* x) {
    const __m128i x0 = x[0], x1 = x[1], x2 = x[2], x3 = x[3];
    const __m128i x4 = x[4], x5 = x[5], x6 = x[6], x7 = x[7];
    const __m128i e0 = _mm_add_epi16(x0, x4), e1 = _mm_sub_epi16(x0, x4);
    const __m128i a = Round14Pair(x2, x6, 8866, -21406);
    const __m128i b = Round14Pair(x2, x6, 21406, 8866);
    const __m128i s0 = _mm_add_epi16(e0, b), s3 = _mm_sub_epi16(e0, b);
    const __m128i s1 = _mm_add_epi16(e1, a), s2 = _mm_sub_epi16(e1, a);
    const __m128i c = Round14Pair(x1, x7, 11585, -11585);
    const __m128i d = Round14Pair(x1, x7, 11585, 11585);
    const __m128i p = _mm_add_epi16(c, x5), q = _mm_sub_epi16(c, x5);
    const __m128i r = _mm_add_epi16(d, x3), t = _mm_sub_epi16(d, x3);
    const __m128i u = Round14Pair(p, r, 19265, -12872);
    const __m128i v = Round14Pair(p, r, 12872, 19265);
    const __m128i w = Round14Pair(t, q, 22725, -4520);
    const __m128i z = Round14Pair(t, q, 4520, 22725);
    x[0] = _mm_add_epi16(s0, v);
    x[1] = _mm_add_epi16(s1, z);
    x[2] = _mm_add_epi16(s2, w);
    x[3] = _mm_add_epi16(s3, u);
    x[4] = _mm_sub_epi16(s3, u);
    x[5] = _mm_sub_epi16(s2, w);
    x[6] = _mm_sub_epi16(s1, z);
    x[7] = _mm_sub_epi16(s0, v);
}

void Transpose(__m128i* x) {
    const __m128i a0 = _mm_unpacklo_epi16(x[0], x[1]), a1 = _mm_unpackhi_epi16(x[0], x[1]);
    const __m128i a2 = _mm_unpacklo_epi16(x[2], x[3]), a3 = _mm_unpackhi_epi16(x[2], x[3]);
    const __m128i a4 = _mm_unpacklo_epi16(x[4], x[5]), a5 = _mm_unpackhi_epi16(x[4], x[5]);
    const __m128i a6 = _mm_unpacklo_epi16(x[6], x[7]), a7 = _mm_unpackhi_epi16(x[6], x[7]);
    const __m128i b0 = _mm_unpacklo_epi32(a0, a2), b1 = _mm_unpackhi_epi32(a0, a2);
    const __m128i b2 = _mm_unpacklo_epi32(a1, a3), b3 = _mm_unpackhi_epi32(a1, a3);
    const __m128i b4 = _mm_unpacklo_epi32(a4, a6), b5 = _mm_unpackhi_epi32(a4, a6);
    const __m128i b6 = _mm_unpacklo_epi32(a5, a7), b7 = _mm_unpackhi_epi32(a5, a7);
    x[0] = _mm_unpacklo_epi64(b0, b4);
    x[1] = _mm_unpackhi_epi64(b0, b4);
    x[2] = _mm_unpacklo_epi64(b1, b5);
    x[3] = _mm_unpackhi_epi64(b1, b5);
    x[4] = _mm_unpacklo_epi64(b2, b6);
    x[5] = _mm_unpackhi_epi64(b2, b6);
    x[6] = _mm_unpacklo_epi64(b3, b7);
    x[7] = _mm_unpackhi_epi64(b3, b7);
}

// Both passes: the row pass runs on the transposed block, so all work is eight lanes wide.
void TransformSimd(const int16_t* m, int16_t* out) {
    __m128i x[8];
    for (int k = 0; k < 8; ++k)
        x[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m + 8 * k));
    Transpose(x);
    PassLanes(x);
    Transpose(x);
    PassLanes(x);
    for (int k = 0; k < 8; ++k)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8 * k), Descale(x[k]));
}

#else
void ColumnPass(const int16_t* m, int16_t* out) {
    int16_t t[64];
    std::copy(m, m + 64, t);
    for (int col = 0; col < 8; ++col)
        Pass(t + col, 8);
    for (int i = 0; i < 64; ++i)
        out[i] = static_cast<int16_t>(std::clamp((t[i] + 32) >> 6, -256, 255));
}
#endif

#if defined(__SSE2__)
// in[i] x 8 in 16 bits, the value first cut to its low 16 bits, as the scalar S16(S16(v) * 8):
// each 32-bit lane is shifted up and back down to keep only its low half before the pack.
inline __m128i ScaledEight(const int32_t* in) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 4));
    const __m128i lo = _mm_srai_epi32(_mm_slli_epi32(a, 16), 16);
    const __m128i hi = _mm_srai_epi32(_mm_slli_epi32(b, 16), 16);
    return _mm_slli_epi16(_mm_packs_epi32(lo, hi), 3);
}
#endif

}  // namespace

void InverseDct(const int32_t* in, int16_t* out) {
    int16_t m[64];
#if defined(__SSE2__)
    __m128i lower = _mm_setzero_si128();
    for (int k = 0; k < 8; ++k) {
        const __m128i row = ScaledEight(in + 8 * k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(m + 8 * k), row);
        if (k > 0) lower = _mm_or_si128(lower, row);
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(lower, _mm_setzero_si128())) != 0xFFFF) {
        TransformSimd(m, out);
        return;
    }
    // Only the first row holds coefficients: its pass gives every column's first value, and each
    // column is eight copies of it, exactly what the column pass gives.
    if ((m[1] | m[2] | m[3] | m[4] | m[5] | m[6] | m[7]) == 0)
        std::fill(m + 1, m + 8, m[0]);
    else
        Pass(m, 1);
    const __m128i row = Descale(_mm_loadu_si128(reinterpret_cast<const __m128i*>(m)));
    for (int k = 0; k < 8; ++k)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8 * k), row);
#else
    for (int i = 0; i < 64; ++i)
        m[i] = S16(S16(in[i]) * 8);
    for (int row = 0; row < 8; ++row) {
        int16_t* x = m + 8 * row;
        // A row with only its first coefficient turns into eight copies of it.
        if ((x[1] | x[2] | x[3] | x[4] | x[5] | x[6] | x[7]) == 0) {
            if (x[0] != 0) std::fill(x + 1, x + 8, x[0]);
            continue;
        }
        Pass(x, 1);
    }
    // Rows below the first that are all zero make every column DC-only: then each column is eight
    // copies of its first value, exactly what the pass gives.
    bool rows_below_zero = true;
    for (int i = 8; i < 64 && rows_below_zero; ++i)
        rows_below_zero = m[i] == 0;
    if (rows_below_zero) {
        for (int i = 0; i < 64; ++i)
            out[i] = static_cast<int16_t>(std::clamp((m[i & 7] + 32) >> 6, -256, 255));
        return;
    }
    ColumnPass(m, out);
#endif
}

}  // namespace qv::mpeg4

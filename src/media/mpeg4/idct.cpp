#include "media/mpeg4/idct.h"

#include <algorithm>

#include "media/mpeg4/idct_lanes.h"
#include "media/simd/simd_target.h"

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
// The 128-bit operations of idct_lanes.inc.
using V = __m128i;
#define QV_IDCT_INLINE inline
inline V Lo16(V a, V b) {
    return _mm_unpacklo_epi16(a, b);
}
inline V Hi16(V a, V b) {
    return _mm_unpackhi_epi16(a, b);
}
inline V Lo32(V a, V b) {
    return _mm_unpacklo_epi32(a, b);
}
inline V Hi32(V a, V b) {
    return _mm_unpackhi_epi32(a, b);
}
inline V Lo64(V a, V b) {
    return _mm_unpacklo_epi64(a, b);
}
inline V Hi64(V a, V b) {
    return _mm_unpackhi_epi64(a, b);
}
inline V Madd(V a, V b) {
    return _mm_madd_epi16(a, b);
}
inline V Add16(V a, V b) {
    return _mm_add_epi16(a, b);
}
inline V Sub16(V a, V b) {
    return _mm_sub_epi16(a, b);
}
inline V Add32(V a, V b) {
    return _mm_add_epi32(a, b);
}
inline V Packs32(V a, V b) {
    return _mm_packs_epi32(a, b);
}
inline V Max16(V a, V b) {
    return _mm_max_epi16(a, b);
}
inline V Min16(V a, V b) {
    return _mm_min_epi16(a, b);
}
inline V Set16(int16_t v) {
    return _mm_set1_epi16(v);
}
inline V Set32(int32_t v) {
    return _mm_set1_epi32(v);
}
inline V Srai32(V a, int n) {
    return _mm_srai_epi32(a, n);
}
inline V Slli32(V a, int n) {
    return _mm_slli_epi32(a, n);
}
#include "media/mpeg4/idct_lanes.inc"
#undef QV_IDCT_INLINE

// Both passes: the row pass runs on the transposed block, so all work is eight lanes wide.
void TransformSimd(const int16_t* m, int16_t* out) {
    V x[8];
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

#if defined(__SSE2__)
namespace {

// The block's coefficients x 8 in 16 bits into m; true when a row below the first holds any, so
// that the block needs both passes.
bool ScaleBlock(const int32_t* in, int16_t* m) {
    __m128i lower = _mm_setzero_si128();
    for (int k = 0; k < 8; ++k) {
        const __m128i row = ScaledEight(in + 8 * k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(m + 8 * k), row);
        if (k > 0) lower = _mm_or_si128(lower, row);
    }
    return _mm_movemask_epi8(_mm_cmpeq_epi8(lower, _mm_setzero_si128())) != 0xFFFF;
}

// A scaled block whose coefficients all sit in its first row: that row's pass gives every
// column's first value, and each column is eight copies of it, exactly what the column pass gives.
void FirstRowOnly(int16_t* m, int16_t* out) {
    if ((m[1] | m[2] | m[3] | m[4] | m[5] | m[6] | m[7]) == 0)
        std::fill(m + 1, m + 8, m[0]);
    else
        Pass(m, 1);
    const __m128i row = Descale(_mm_loadu_si128(reinterpret_cast<const __m128i*>(m)));
    for (int k = 0; k < 8; ++k)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8 * k), row);
}

}  // namespace
#endif

void InverseDct(const int32_t* in, int16_t* out) {
    int16_t m[64];
#if defined(__SSE2__)
    if (ScaleBlock(in, m))
        TransformSimd(m, out);
    else
        FirstRowOnly(m, out);
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

void InverseDctPair(const int32_t* in_a, const int32_t* in_b, int16_t* out_a, int16_t* out_b) {
#if QV_X86_SIMD
    if (simd::ActiveTarget() == simd::Target::kAvx2) {
        int16_t ma[64], mb[64];
        const bool full_a = ScaleBlock(in_a, ma), full_b = ScaleBlock(in_b, mb);
        if (full_a && full_b) return TransformPairAvx2(ma, mb, out_a, out_b);
        full_a ? TransformSimd(ma, out_a) : FirstRowOnly(ma, out_a);
        full_b ? TransformSimd(mb, out_b) : FirstRowOnly(mb, out_b);
        return;
    }
#endif
    InverseDct(in_a, out_a);
    InverseDct(in_b, out_b);
}

}  // namespace qv::mpeg4

// The inverse transform of two blocks side by side in 256-bit registers: block a in the low
// 128-bit halves, block b in the high ones. Every step of idct_lanes.inc works within a half, so
// each block comes out exactly as the 128-bit transform gives it.
#include <immintrin.h>

#include <cstdint>

#include "media/mpeg4/idct_lanes.h"

namespace qv::mpeg4 {

namespace {

using V = __m256i;
#define QV_IDCT_INLINE [[gnu::always_inline]] inline
QV_IDCT_INLINE V Lo16(V a, V b) {
    return _mm256_unpacklo_epi16(a, b);
}
QV_IDCT_INLINE V Hi16(V a, V b) {
    return _mm256_unpackhi_epi16(a, b);
}
QV_IDCT_INLINE V Lo32(V a, V b) {
    return _mm256_unpacklo_epi32(a, b);
}
QV_IDCT_INLINE V Hi32(V a, V b) {
    return _mm256_unpackhi_epi32(a, b);
}
QV_IDCT_INLINE V Lo64(V a, V b) {
    return _mm256_unpacklo_epi64(a, b);
}
QV_IDCT_INLINE V Hi64(V a, V b) {
    return _mm256_unpackhi_epi64(a, b);
}
QV_IDCT_INLINE V Madd(V a, V b) {
    return _mm256_madd_epi16(a, b);
}
QV_IDCT_INLINE V Add16(V a, V b) {
    return _mm256_add_epi16(a, b);
}
QV_IDCT_INLINE V Sub16(V a, V b) {
    return _mm256_sub_epi16(a, b);
}
QV_IDCT_INLINE V Add32(V a, V b) {
    return _mm256_add_epi32(a, b);
}
QV_IDCT_INLINE V Packs32(V a, V b) {
    return _mm256_packs_epi32(a, b);
}
QV_IDCT_INLINE V Max16(V a, V b) {
    return _mm256_max_epi16(a, b);
}
QV_IDCT_INLINE V Min16(V a, V b) {
    return _mm256_min_epi16(a, b);
}
QV_IDCT_INLINE V Set16(int16_t v) {
    return _mm256_set1_epi16(v);
}
QV_IDCT_INLINE V Set32(int32_t v) {
    return _mm256_set1_epi32(v);
}
QV_IDCT_INLINE V Srai32(V a, int n) {
    return _mm256_srai_epi32(a, n);
}
QV_IDCT_INLINE V Slli32(V a, int n) {
    return _mm256_slli_epi32(a, n);
}
#include "media/mpeg4/idct_lanes.inc"
#undef QV_IDCT_INLINE

}  // namespace

void TransformPairAvx2(const int16_t* ma, const int16_t* mb, int16_t* out_a, int16_t* out_b) {
    V x[8];
    for (int k = 0; k < 8; ++k) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ma + 8 * k));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mb + 8 * k));
        x[k] = _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
    }
    Transpose(x);
    PassLanes(x);
    Transpose(x);
    PassLanes(x);
    for (int k = 0; k < 8; ++k) {
        const V row = Descale(x[k]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out_a + 8 * k), _mm256_castsi256_si128(row));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out_b + 8 * k),
                         _mm256_extracti128_si256(row, 1));
    }
}

}  // namespace qv::mpeg4

// Samples side by side in the compiler's vector types, with the few operations the
// decoders' lane loops need. A loop body written once over these types is compiled once per
// instruction set, in a source file of its own: eight lanes in 128-bit SSE2 registers, sixteen in
// 256-bit AVX2 ones. Integer arithmetic only, so every build gives
// the same bits as the plain loops. Everything here is static: a file built for AVX2 must never
// lend a copy of a function to one built for SSE2.
#pragma once

#include <immintrin.h>

#include <cstdint>
#include <cstring>

// The lane types are wider than SSE2's registers; the compilers note that passing them by value
// between functions built for different targets changes the calling convention. Every function
// taking them is inlined into its caller, so no such call exists.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wunknown-warning-option"
#endif
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#define QV_LANES_INLINE [[gnu::always_inline]] static inline
// Loops of a fixed, small count over lanes and window samples are unrolled at every optimisation
// level, so that their vectors stay in registers and their conditions fold away.
#define QV_UNROLL _Pragma("GCC unroll 16")

namespace qv::simd {

// N signed 16-bit lanes and N bytes: N = 16 fills an AVX2 register, N = 8 an SSE2 one.
template <int N>
struct Lanes;
template <>
struct Lanes<16> {
    typedef int16_t I16 __attribute__((vector_size(32)));
    typedef uint8_t U8 __attribute__((vector_size(16)));
};
template <>
struct Lanes<8> {
    typedef int16_t I16 __attribute__((vector_size(16)));
    typedef uint8_t U8 __attribute__((vector_size(8)));
};

// m holds -1 (all bits set) in the lanes where a is wanted and 0 where b is.
// Written as the compilers' vector conditionals, so that they become single blend, absolute,
// minimum and maximum instructions where the instruction set has them.
template <typename V>
QV_LANES_INLINE V Select(const V& m, const V& a, const V& b) {
    return m ? a : b;
}
template <typename V>
QV_LANES_INLINE V Abs(const V& v) {
    return v < 0 ? -v : v;
}
template <typename V>
QV_LANES_INLINE V Min(const V& a, const V& b) {
    return a < b ? a : b;
}
template <typename V>
QV_LANES_INLINE V Max(const V& a, const V& b) {
    return a > b ? a : b;
}
template <typename V>
QV_LANES_INLINE V Clamp255(const V& v) {
    return Min<V>(Max<V>(v, V{} + 0), V{} + 255);
}
// True when any lane of the mask is set.
template <typename V>
QV_LANES_INLINE bool AnyLane(const V& m) {
    uint64_t q[sizeof(V) / 8];
    std::memcpy(q, &m, sizeof q);
    uint64_t any = 0;
    for (uint64_t v : q)
        any |= v;
    return any != 0;
}

// Bytes p[0..count-1] widened to lanes (count <= N; the other lanes get 0). A whole load stays
// in registers; only a short one goes through memory.
template <int N>
QV_LANES_INLINE typename Lanes<N>::I16 LoadBytes(const uint8_t* p, int count) {
    typename Lanes<N>::U8 v;
    if (count == N) {
        std::memcpy(&v, p, N);
        return __builtin_convertvector(v, typename Lanes<N>::I16);
    }
    v = typename Lanes<N>::U8{};
    std::memcpy(&v, p, static_cast<size_t>(count));
    return __builtin_convertvector(v, typename Lanes<N>::I16);
}
// Lanes 0..count-1 to p as bytes (the lanes hold 0..255, so the saturating pack keeps them).
template <int N>
QV_LANES_INLINE void StoreBytes(uint8_t* p, int count, const typename Lanes<N>::I16& v) {
    __m128i b;
#if defined(__AVX2__)
    if constexpr (N == 16) {
        const __m256i w = reinterpret_cast<const __m256i&>(v);
        b = _mm_packus_epi16(_mm256_castsi256_si128(w), _mm256_extracti128_si256(w, 1));
    } else
#endif
    {
        static_assert(N == 8, "sixteen lanes are built for AVX2 only");
        const __m128i w = reinterpret_cast<const __m128i&>(v);
        b = _mm_packus_epi16(w, w);
    }
    if (count == N)
        std::memcpy(p, &b, N);
    else
        std::memcpy(p, &b, static_cast<size_t>(count));
}

}  // namespace qv::simd

// Sixteen samples side by side in the compiler's vector types, with the few operations the
// decoders' lane loops need. A loop body written once over these types is compiled once per
// instruction set, in a source file of its own: for SSE2 each operation is split into two 128-bit
// halves, with -mavx2 it is one 256-bit operation. Integer arithmetic only, so every build gives
// the same bits as the plain loops. Everything here is static: a file built for AVX2 must never
// lend a copy of a function to one built for SSE2.
#pragma once

#include <cstdint>
#include <cstring>

// The lane types are wider than SSE2's registers; the compilers note that passing them by value
// between functions built for different targets changes the calling convention. Every function taking
// them is inlined into its caller, so no such call exists.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wunknown-warning-option"
#endif
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#define QV_LANES_INLINE [[gnu::always_inline]] static inline

namespace qv::simd {

constexpr int kLanes = 16;
typedef int16_t I16 __attribute__((vector_size(32)));  // 16 signed 16-bit lanes
typedef int32_t I32 __attribute__((vector_size(64)));  // 16 signed 32-bit lanes
typedef uint8_t U8 __attribute__((vector_size(16)));   // 16 bytes

// m holds -1 (all bits set) in the lanes where a is wanted and 0 where b is.
QV_LANES_INLINE I16 Select(const I16& m, const I16& a, const I16& b) {
    return (m & a) | (~m & b);
}
QV_LANES_INLINE I32 Select(const I32& m, const I32& a, const I32& b) {
    return (m & a) | (~m & b);
}
QV_LANES_INLINE I16 Abs(const I16& v) {
    return Select(v < 0, -v, v);
}
QV_LANES_INLINE I16 Min(const I16& a, const I16& b) {
    return Select(a < b, a, b);
}
QV_LANES_INLINE I16 Max(const I16& a, const I16& b) {
    return Select(a > b, a, b);
}
QV_LANES_INLINE I16 Clamp255(const I16& v) {
    return Min(Max(v, I16{} + 0), I16{} + 255);
}
QV_LANES_INLINE I32 Clamp255(const I32& v) {
    const I32 low = Select(v < 0, I32{} + 0, v);
    return Select(low > 255, I32{} + 255, low);
}

// Bytes p[0..count-1] widened to lanes (count <= 16; the other lanes get 0).
QV_LANES_INLINE I16 LoadBytes(const uint8_t* p, int count) {
    U8 v = {};
    if (count == 16)
        std::memcpy(&v, p, 16);
    else
        std::memcpy(&v, p, static_cast<size_t>(count));
    return __builtin_convertvector(v, I16);
}
// The low bytes of lanes 0..count-1 to p (the lanes hold 0..255).
QV_LANES_INLINE void StoreBytes(uint8_t* p, int count, const I16& v) {
    const U8 b = __builtin_convertvector(v, U8);
    if (count == 16)
        std::memcpy(p, &b, 16);
    else
        std::memcpy(p, &b, static_cast<size_t>(count));
}

}  // namespace qv::simd

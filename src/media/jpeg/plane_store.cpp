#include "media/jpeg/plane_store.h"

#include <cstdint>
#include <cstring>

#include "media/simd/simd_target.h"

#if QV_X86_SIMD
#include <emmintrin.h>
#endif

namespace qv {

void StorePlaneBytes(void* dst, const void* src, size_t size) {
#if QV_X86_SIMD
    const bool aligned = (reinterpret_cast<uintptr_t>(dst) & 15) == 0 && (size & 63) == 0;
    if (aligned && simd::ActiveTarget() != simd::Target::kPlain) {
        auto* out = static_cast<__m128i*>(dst);
        const auto* in = static_cast<const __m128i*>(src);
        for (size_t i = 0; i < size / 16; i += 4) {
            const __m128i a = _mm_loadu_si128(in + i), b = _mm_loadu_si128(in + i + 1);
            const __m128i c = _mm_loadu_si128(in + i + 2), d = _mm_loadu_si128(in + i + 3);
            _mm_stream_si128(out + i, a);
            _mm_stream_si128(out + i + 1, b);
            _mm_stream_si128(out + i + 2, c);
            _mm_stream_si128(out + i + 3, d);
        }
        // Streaming stores are not ordered with later stores; readers on other threads see
        // them after this.
        _mm_sfence();
        return;
    }
#endif
    std::memcpy(dst, src, size);
}

}  // namespace qv

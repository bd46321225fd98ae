#include "media/jpeg/colour_convert.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace qv {

namespace {

// Signed division by 2048 truncating toward zero.
inline int32_t Div2048(int32_t v) {
    return (v + ((v >> 31) & 2047)) >> 11;
}

inline uint8_t Sat(int32_t v) {
    return kSaturate[v + kSaturateOffset];
}

void ConvertGrey(const JpgContext& ctx, const uint8_t* luma, Picture& picture) {
    const int w = ctx.Width(), w16 = ctx.PaddedWidth();
    for (int y = 0; y < ctx.Height(); ++y) {
        const uint8_t* src = luma + static_cast<size_t>(y) * w16;
        uint8_t* dst = picture.Row(y);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = src[x];
        }
    }
}

// Offsets of blue, green and red from luma for one row of chroma samples, repeated for the two
// pixels each chroma sample covers (nearest-neighbour upsampling): three planar rows of
// padded-width int16 values.
void ChromaOffsets(const ColourTables& c, const int16_t* cb, const int16_t* cr, int count,
                   int16_t* ob, int16_t* og, int16_t* orr) {
    for (int i = 0; i < count; ++i) {
        int b = Sat(cb[i] + 128);
        int r = Sat(cr[i] + 128);
        int16_t vb = static_cast<int16_t>(Div2048(c.cb_b[b]));
        int16_t vg = static_cast<int16_t>(Div2048(c.cb_g[b] + c.cr_g[r]));
        int16_t vr = static_cast<int16_t>(Div2048(c.cr_r[r]));
        ob[2 * i] = ob[2 * i + 1] = vb;
        og[2 * i] = og[2 * i + 1] = vg;
        orr[2 * i] = orr[2 * i + 1] = vr;
    }
}

inline uint8_t Clamp255(int16_t v) {
    return static_cast<uint8_t>(std::min<int16_t>(std::max<int16_t>(v, 0), 255));
}

// Pixels [from, width) of one picture row: luma plus the offsets, limited to 0..255, written
// blue, green, red.
void ConvertRowScalar(const uint8_t* luma, const int16_t* ob, const int16_t* og, const int16_t* orr,
                      int from, int width, uint8_t* dst) {
    for (int x = from; x < width; ++x) {
        int16_t y = luma[x];
        dst[3 * x] = Clamp255(static_cast<int16_t>(y + ob[x]));
        dst[3 * x + 1] = Clamp255(static_cast<int16_t>(y + og[x]));
        dst[3 * x + 2] = Clamp255(static_cast<int16_t>(y + orr[x]));
    }
}

#ifdef __SSE2__
// Eight pixels of blue, green and red (low eight bytes of each) as BGR triplets: pairs of pixels
// are packed into the low six bytes of each 64-bit lane and stored eight bytes at a time, the two
// extra bytes being overwritten by the next store.
inline void StoreBgr8(__m128i b, __m128i g, __m128i r, uint8_t* dst) {
    const __m128i zero = _mm_setzero_si128();
    __m128i bg = _mm_unpacklo_epi8(b, g);
    __m128i r0 = _mm_unpacklo_epi8(r, zero);
    __m128i px[2] = {_mm_unpacklo_epi16(bg, r0), _mm_unpackhi_epi16(bg, r0)};  // BGR0 x 4
    const __m128i low = _mm_set1_epi64x(0x0000000000FFFFFFll);
    const __m128i high = _mm_set1_epi64x(0x0000FFFFFF000000ll);
    for (int half = 0; half < 2; ++half) {
        __m128i p = _mm_or_si128(_mm_and_si128(px[half], low),
                                 _mm_and_si128(_mm_srli_epi64(px[half], 8), high));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + 12 * half), p);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + 12 * half + 6), _mm_srli_si128(p, 8));
    }
}

// One picture row, sixteen pixels per step. The additions wrap in 16 bits and the packing
// saturates to 0..255, exactly as the scalar row does.
void ConvertRow(const uint8_t* luma, const int16_t* ob, const int16_t* og, const int16_t* orr,
                int width, uint8_t* dst) {
    const __m128i zero = _mm_setzero_si128();
    int x = 0;
    // Each step writes two bytes past its last pixel, so it needs a pixel after it in the row.
    for (; x + 16 < width; x += 16) {
        __m128i y8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(luma + x));
        __m128i ylo = _mm_unpacklo_epi8(y8, zero), yhi = _mm_unpackhi_epi8(y8, zero);
        auto plane = [&](const int16_t* o) {
            __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(o + x));
            __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(o + x + 8));
            return _mm_packus_epi16(_mm_add_epi16(ylo, lo), _mm_add_epi16(yhi, hi));
        };
        __m128i b = plane(ob), g = plane(og), r = plane(orr);
        StoreBgr8(b, g, r, dst + 3 * x);
        StoreBgr8(_mm_srli_si128(b, 8), _mm_srli_si128(g, 8), _mm_srli_si128(r, 8),
                  dst + 3 * x + 24);
    }
    ConvertRowScalar(luma, ob, og, orr, x, width, dst);
}
#else
void ConvertRow(const uint8_t* luma, const int16_t* ob, const int16_t* og, const int16_t* orr,
                int width, uint8_t* dst) {
    ConvertRowScalar(luma, ob, og, orr, 0, width, dst);
}
#endif

}  // namespace

void ConvertPlanes(JpgContext& ctx, Picture& picture) {
    const uint8_t* luma = ctx.MutableLuma();
    if (ctx.switches.cbForceBW) {
        ConvertGrey(ctx, luma, picture);
        return;
    }
    const int w = ctx.Width(), w16 = ctx.PaddedWidth(), cw = w16 / 2;
    const int chroma_count = (w + 1) / 2;
    int16_t* ob = ctx.ConvertScratch();
    int16_t* og = ob + w16;
    int16_t* orr = og + w16;
    for (int y = 0; y < ctx.Height(); ++y) {
        if ((y & 1) == 0) {
            size_t crow = static_cast<size_t>(y / 2) * cw;
            ChromaOffsets(ctx.Colour(), ctx.MutableCb() + crow, ctx.MutableCr() + crow,
                          chroma_count, ob, og, orr);
        }
        ConvertRow(luma + static_cast<size_t>(y) * w16, ob, og, orr, w, picture.Row(y));
    }
}

}  // namespace qv

#include "media/jpeg/colour_convert.h"

#include <algorithm>

#include "media/jpeg/colour_lanes.h"
#include "media/simd/simd_target.h"

namespace qv {

namespace {

// Signed division by 2048 truncating toward zero.
inline int32_t Div2048(int32_t v) {
    return (v + ((v >> 31) & 2047)) >> 11;
}

inline uint8_t Sat(int32_t v) {
    return kSaturate[v + kSaturateOffset];
}

void ConvertGrey(const SampleRows& s, Picture& picture, int first, int end) {
    const int w = picture.width;
    for (int y = first; y < end; ++y) {
        const uint8_t* src = s.luma + static_cast<size_t>(y - first) * s.luma_stride;
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

// One picture row: luma plus the offsets, limited to 0..255, written blue, green, red.
void ConvertRow(const uint8_t* luma, const int16_t* ob, const int16_t* og, const int16_t* orr,
                int width, uint8_t* dst) {
    for (int x = 0; x < width; ++x) {
        int16_t y = luma[x];
        dst[3 * x] = Clamp255(static_cast<int16_t>(y + ob[x]));
        dst[3 * x + 1] = Clamp255(static_cast<int16_t>(y + og[x]));
        dst[3 * x + 2] = Clamp255(static_cast<int16_t>(y + orr[x]));
    }
}

// The plain loops: one chroma row's offsets into the scratch rows, then each of its two picture
// rows from them.
void ConvertColour(JpgContext& ctx, const SampleRows& s, Picture& picture, int first, int end) {
    const int w = picture.width, w16 = ctx.PaddedWidth();
    const int chroma_count = (w + 1) / 2;
    int16_t* ob = ctx.ConvertScratch();
    int16_t* og = ob + w16;
    int16_t* orr = og + w16;
    for (int y = first; y < end; ++y) {
        const int i = y - first;
        if ((i & 1) == 0) {
            size_t crow = static_cast<size_t>(i / 2) * s.chroma_stride;
            ChromaOffsets(ctx.Colour(), s.cb + crow, s.cr + crow, chroma_count, ob, og, orr);
        }
        ConvertRow(s.luma + static_cast<size_t>(i) * s.luma_stride, ob, og, orr, w, picture.Row(y));
    }
}

}  // namespace

void ConvertSampleRows(JpgContext& ctx, const SampleRows& s, Picture& picture, int first, int end) {
    if (ctx.switches.cbForceBW) {
        ConvertGrey(s, picture, first, end);
        return;
    }
#if QV_X86_SIMD
    const ColourRows rows{s.luma,
                          s.cb,
                          s.cr,
                          s.luma_stride,
                          s.chroma_stride,
                          picture.Row(first),
                          picture.Stride(),
                          picture.width,
                          picture.height,
                          first,
                          end};
    switch (simd::ActiveTarget()) {
        case simd::Target::kAvx2:
            return ConvertColourAvx2(rows);
        case simd::Target::kSse2:
            return ConvertColourSse2(rows);
        case simd::Target::kPlain:
            break;
    }
#endif
    ConvertColour(ctx, s, picture, first, end);
}

void ConvertPlaneRows(JpgContext& ctx, Picture& picture, int first, int end) {
    if (first >= end) return;
    const int w16 = ctx.PaddedWidth(), cw = w16 / 2;
    const size_t chroma = static_cast<size_t>(first / 2) * cw;
    const SampleRows s{ctx.MutableLuma() + static_cast<size_t>(first) * w16,
                       ctx.MutableCb() + chroma, ctx.MutableCr() + chroma, w16, cw};
    ConvertSampleRows(ctx, s, picture, first, end);
}

}  // namespace qv

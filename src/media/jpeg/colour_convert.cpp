#include "media/jpeg/colour_convert.h"

#include <cstring>

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

// Offsets of red, green and blue from luma for one row of chroma samples.
void ChromaOffsets(const ColourTables& c, const int16_t* cb, const int16_t* cr, int count,
                   int32_t* out) {
    for (int i = 0; i < count; ++i) {
        int b = Sat(cb[i] + 128);
        int r = Sat(cr[i] + 128);
        out[3 * i] = Div2048(c.cb_b[b]);
        out[3 * i + 1] = Div2048(c.cb_g[b] + c.cr_g[r]);
        out[3 * i + 2] = Div2048(c.cr_r[r]);
    }
}

void ConvertRow(const uint8_t* luma, const int32_t* offsets, int width, uint8_t* dst) {
    int x = 0;
    for (; x + 1 < width; x += 2) {
        const int32_t* o = offsets + 3 * (x >> 1);
        int y0 = luma[x], y1 = luma[x + 1];
        dst[0] = Sat(y0 + o[0]);
        dst[1] = Sat(y0 + o[1]);
        dst[2] = Sat(y0 + o[2]);
        dst[3] = Sat(y1 + o[0]);
        dst[4] = Sat(y1 + o[1]);
        dst[5] = Sat(y1 + o[2]);
        dst += 6;
    }
    if (x < width) {
        const int32_t* o = offsets + 3 * (x >> 1);
        dst[0] = Sat(luma[x] + o[0]);
        dst[1] = Sat(luma[x] + o[1]);
        dst[2] = Sat(luma[x] + o[2]);
    }
}

}  // namespace

void ConvertPlanes(JpgContext& ctx, Picture& picture) {
    const uint8_t* luma = ctx.MutableLuma();
    if (ctx.switches.cbForceBW) {
        ConvertGrey(ctx, luma, picture);
        return;
    }
    const int w = ctx.Width(), w16 = ctx.PaddedWidth(), cw = w16 / 2;
    const int chroma_count = (w + 1) / 2;
    int32_t* offsets = ctx.ChromaRow();
    for (int y = 0; y < ctx.Height(); ++y) {
        if ((y & 1) == 0) {
            size_t crow = static_cast<size_t>(y / 2) * cw;
            ChromaOffsets(ctx.Colour(), ctx.MutableCb() + crow, ctx.MutableCr() + crow,
                          chroma_count, offsets);
        }
        ConvertRow(luma + static_cast<size_t>(y) * w16, offsets, w, picture.Row(y));
    }
}

}  // namespace qv

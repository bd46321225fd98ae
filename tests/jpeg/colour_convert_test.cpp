// The row conversion against the camera's formula, pixel by pixel, on every instruction-set
// target, over widths and odd heights that exercise the 32- and 16-pixel steps and every length
// of the remainder, with luma and chroma at their extremes.
#include <gtest/gtest.h>

#include <algorithm>

#include "media/jpeg/colour_convert.h"
#include "media/jpeg/jpeg_context.h"
#include "media/simd/simd_target.h"

namespace qv {
namespace {

// The camera's arithmetic for one pixel channel: luma plus the chroma term divided by 2048
// toward zero, limited to 0..255.
uint8_t Expected(int luma, int32_t term) {
    int32_t offset = term / 2048;
    return static_cast<uint8_t>(std::clamp(luma + offset, 0, 255));
}

struct Planes {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    JpgContext ctx{metadata, flags, switches};
};

void Fill(JpgContext& ctx, int seed) {
    const int w16 = ctx.PaddedWidth(), cw = w16 / 2;
    uint8_t* luma = ctx.MutableLuma();
    for (int i = 0; i < w16 * ctx.PaddedHeight(); ++i)
        luma[i] = static_cast<uint8_t>(i % 7 == 0 ? 0 : i % 5 == 0 ? 255 : (i * 37 + seed) & 255);
    const int span = kChromaMax - kChromaMin + 1;
    for (int i = 0; i < cw * ctx.PaddedHeight() / 2; ++i) {
        ctx.MutableCb()[i] = static_cast<int16_t>(kChromaMin + (i * 211 + seed) % span);
        ctx.MutableCr()[i] = static_cast<int16_t>(kChromaMin + (i * 97 + 3 * seed) % span);
    }
}

void CheckEveryPixel(int width, int height) {
    Planes p;
    ASSERT_EQ(p.ctx.AllocatePlanes(width, height), 0);
    Fill(p.ctx, width);
    Picture pic;
    pic.Allocate(width, height);
    ConvertPlanes(p.ctx, pic);
    const ColourTables& c = p.ctx.Colour();
    const int w16 = p.ctx.PaddedWidth(), cw = w16 / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int at = (y / 2) * cw + x / 2;
            const int b = kSaturate[p.ctx.MutableCb()[at] + 128 + kSaturateOffset];
            const int r = kSaturate[p.ctx.MutableCr()[at] + 128 + kSaturateOffset];
            const int l = p.ctx.MutableLuma()[y * w16 + x];
            const uint8_t* px = pic.Row(y) + 3 * x;
            ASSERT_EQ(px[0], Expected(l, c.cb_b[b])) << "blue at " << x << "," << y;
            ASSERT_EQ(px[1], Expected(l, c.cb_g[b] + c.cr_g[r])) << "green at " << x;
            ASSERT_EQ(px[2], Expected(l, c.cr_r[r])) << "red at " << x << "," << y;
        }
    }
}

TEST(ConvertPlanes, EveryPixelFollowsTheCameraFormulaAtAnyWidth) {
    using simd::Target;
    for (Target t : {Target::kPlain, Target::kSse2, Target::kAvx2}) {
        if (!simd::ForceTarget(t)) continue;
        SCOPED_TRACE(simd::TargetName(t));
        for (int width = 1; width <= 100; ++width) {
            SCOPED_TRACE(width);
            CheckEveryPixel(width, 3);
        }
        CheckEveryPixel(1280, 5);
    }
    simd::ForceTarget(simd::BestTarget());
}

}  // namespace
}  // namespace qv

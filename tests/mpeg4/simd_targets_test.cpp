// Every instruction-set target of the deblocking filter and the colour conversion gives the bytes
// (and edge counts) of the plain loops, on planes made to reach both filter modes, odd sizes and
// quantisers outside 1..31.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "media/mpeg4/deblock.h"
#include "media/mpeg4/deblock_bands.h"
#include "media/mpeg4/idct.h"
#include "media/mpeg4/yuv_rgb.h"
#include "media/simd/simd_target.h"

namespace {

using qv::simd::Target;

const Target kTargets[] = {Target::kSse2, Target::kAvx2};

struct ForcedTarget {
    explicit ForcedTarget(Target t) : ok(qv::simd::ForceTarget(t)) {}
    ~ForcedTarget() { qv::simd::ForceTarget(qv::simd::BestTarget()); }
    bool ok;
};

// 8x8 blocks of one level each; blocks with a small spread take the DC offset mode, the others
// the default mode or none.
std::vector<uint8_t> BlockyPlane(int w, int h, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> p(static_cast<size_t>(w) * h);
    std::vector<int> level((w / 8 + 1) * (h / 8 + 1)), spread(level.size());
    for (size_t i = 0; i < level.size(); ++i) {
        level[i] = static_cast<int>(rng() % 256);
        spread[i] = std::vector<int>{0, 1, 2, 3, 12, 255}[rng() % 6];
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t b = static_cast<size_t>(y / 8) * (w / 8 + 1) + x / 8;
            const int v = level[b] + static_cast<int>(rng() % (spread[b] + 1)) - spread[b] / 2;
            p[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(std::clamp(v, 0, 255));
        }
    return p;
}

TEST(SimdTargets, DeblockingMatchesThePlainFilter) {
    const int sizes[][2] = {{176, 144}, {100, 60}, {33, 17}, {13, 29}, {16, 16}, {320, 24}};
    qv::mpeg4::DeblockCounters all;
    for (Target t : kTargets) {
        uint32_t seed = 1;
        for (const auto& s : sizes) {
            for (int qp : {1, 3, 8, 17, 31, 3000, -4}) {
                std::vector<uint8_t> plain = BlockyPlane(s[0], s[1], ++seed), lanes = plain;
                qv::mpeg4::DeblockCounters cp, cl;
                {
                    ForcedTarget f(Target::kPlain);
                    qv::mpeg4::DeblockPlane(plain.data(), s[0], s[1], s[0], qp, &cp);
                }
                ForcedTarget f(t);
                if (!f.ok)
                    GTEST_SKIP() << qv::simd::TargetName(t) << " is not offered by this processor";
                qv::mpeg4::DeblockPlane(lanes.data(), s[0], s[1], s[0], qp, &cl);
                ASSERT_EQ(plain, lanes)
                    << qv::simd::TargetName(t) << " " << s[0] << "x" << s[1] << " qp " << qp;
                EXPECT_EQ(cp.default_mode, cl.default_mode);
                EXPECT_EQ(cp.dc_offset_mode, cl.dc_offset_mode);
                all.default_mode += cp.default_mode;
                all.dc_offset_mode += cp.dc_offset_mode;
            }
        }
    }
    EXPECT_GT(all.default_mode, 1000) << "the planes reach the default mode";
    EXPECT_GT(all.dc_offset_mode, 1000) << "the planes reach the DC offset mode";
}

// The banded pass (copy, filter and conversion band by band) against the whole-picture path of
// the plain target: the same picture, edge counts and untouched decoded planes, for odd sizes and
// pictures of several bands.
TEST(SimdTargets, BandedDeblockingAndConversionMatchTheWholePicturePath) {
    const int sizes[][2] = {{176, 144}, {33, 17}, {13, 29}, {100, 70}, {16, 1}, {48, 100}};
    uint32_t seed = 40;
    for (Target t : kTargets) {
        for (const auto& s : sizes) {
            const int w = s[0], h = s[1], ls = (w + 15) / 16 * 16, cs = ls / 2;
            const int rows = (h + 15) / 16 * 16;
            qv::mpeg4::YuvPicture decoded;
            decoded.y = BlockyPlane(ls, rows, ++seed);
            decoded.u = BlockyPlane(cs, rows / 2, ++seed);
            decoded.v = BlockyPlane(cs, rows / 2, ++seed);
            const qv::mpeg4::YuvPicture before = decoded;
            qv::mpeg4::YuvPicture whole = decoded, work = decoded;
            for (auto* p : {&work.y, &work.u, &work.v})
                std::fill(p->begin(), p->end(), 7);  // stale samples of an earlier picture
            qv::Picture expected, banded;
            expected.Allocate(w, h);
            banded.Allocate(w, h);
            qv::mpeg4::DeblockCounters ce, cb;
            {
                ForcedTarget f(Target::kPlain);
                qv::mpeg4::DeblockPicture(qv::mpeg4::kDeblockEdges, whole.y.data(), whole.u.data(),
                                          whole.v.data(), w, h, ls, cs, 9, &ce);
                qv::mpeg4::ConvertToRgb(whole.y.data(), ls, whole.u.data(), whole.v.data(), cs, w,
                                        h, expected);
            }
            ForcedTarget f(t);
            if (!f.ok)
                GTEST_SKIP() << qv::simd::TargetName(t) << " is not offered by this processor";
            ASSERT_TRUE(qv::mpeg4::DeblockAndConvert(decoded, work, w, h, ls, cs, 9, &cb, banded));
            ASSERT_EQ(expected.pixels, banded.pixels)
                << qv::simd::TargetName(t) << " " << w << "x" << h;
            EXPECT_EQ(ce.default_mode, cb.default_mode);
            EXPECT_EQ(ce.dc_offset_mode, cb.dc_offset_mode);
            EXPECT_EQ(before.y, decoded.y);
            EXPECT_EQ(before.u, decoded.u);
        }
    }
}

// Pairs of blocks through InverseDctPair on every target against InverseDct one block at a time:
// both blocks full, one or both with coefficients in the first row only, and values at the
// transform's limits.
TEST(SimdTargets, PairedInverseTransformMatchesSingleBlocks) {
    std::mt19937 rng(11);
    auto block = [&](bool first_row_only, int limit) {
        std::vector<int32_t> b(64, 0);
        const int n = 1 + static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i) {
            const int pos = static_cast<int>(rng() % (first_row_only ? 8 : 64));
            b[pos] = static_cast<int32_t>(rng() % (2 * limit + 1)) - limit;
        }
        return b;
    };
    for (Target t : {Target::kPlain, Target::kSse2, Target::kAvx2}) {
        ForcedTarget f(t);
        if (!f.ok) continue;
        for (int trial = 0; trial < 400; ++trial) {
            const int limit = trial % 4 == 0 ? 4095 : 300;
            const std::vector<int32_t> a = block(trial % 3 == 1, limit),
                                       b = block(trial % 5 == 2, limit);
            int16_t pa[64], pb[64], sa[64], sb[64];
            qv::mpeg4::InverseDctPair(a.data(), b.data(), pa, pb);
            qv::mpeg4::InverseDct(a.data(), sa);
            qv::mpeg4::InverseDct(b.data(), sb);
            ASSERT_TRUE(std::equal(pa, pa + 64, sa))
                << qv::simd::TargetName(t) << " trial " << trial;
            ASSERT_TRUE(std::equal(pb, pb + 64, sb))
                << qv::simd::TargetName(t) << " trial " << trial;
        }
    }
}

TEST(SimdTargets, ColourConversionMatchesThePlainLoop) {
    std::mt19937 rng(5);
    for (Target t : kTargets) {
        for (int w : {2, 14, 16, 18, 46, 98, 176}) {
            const int h = 6, cs = w / 2 + 3;
            std::vector<uint8_t> y(static_cast<size_t>(w + 5) * h), u(cs * h), v(cs * h);
            for (auto* p : {&y, &u, &v})
                for (auto& b : *p)
                    b = static_cast<uint8_t>(rng());
            qv::Picture plain, lanes;
            plain.Allocate(w, h);
            lanes.Allocate(w, h);
            {
                ForcedTarget f(Target::kPlain);
                qv::mpeg4::ConvertToRgb(y.data(), w + 5, u.data(), v.data(), cs, w, h, plain);
            }
            ForcedTarget f(t);
            if (!f.ok)
                GTEST_SKIP() << qv::simd::TargetName(t) << " is not offered by this processor";
            qv::mpeg4::ConvertToRgb(y.data(), w + 5, u.data(), v.data(), cs, w, h, lanes);
            ASSERT_EQ(plain.pixels, lanes.pixels) << qv::simd::TargetName(t) << " width " << w;
        }
    }
}

}  // namespace

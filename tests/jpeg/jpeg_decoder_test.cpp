#include "media/jpeg/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fixtures/reference_decoder.h"
#include "jpeg/jpeg_test_util.h"
#include "media/jpeg/jpeg_parser.h"
#include "media/simd/simd_target.h"

namespace qv {
namespace {

using fixtures::Bytes;
using test::Decoder;

int Decode(Decoder& d, const Bytes& jpeg, Picture& pic, int32_t* interval = nullptr,
           uint32_t* t = nullptr) {
    return JpgDecodeFrame(d.ctx, jpeg.data(), jpeg.size(), pic, interval, t);
}

Bytes Uniform(int w, int h, uint8_t grey, int quality = 75) {
    fixtures::EncodeOptions e;
    e.quality = quality;
    return fixtures::CameraFrame(fixtures::UniformPicture(w, h, grey, grey, grey), {}, e);
}

// A uniform picture codes every block as its DC term followed by end-of-block, so every luma
// sample is ((q x DC x 128) >> 10) + 128 with DC the quantised level of the grey value.
TEST(JpgDecodeFrame, FlatBlocksTakeTheDequantisedDcValue) {
    for (int grey : {0, 37, 128, 201, 255}) {
        Decoder d(48, 32);
        Picture pic;
        ASSERT_EQ(Decode(d, Uniform(48, 32, static_cast<uint8_t>(grey)), pic), 0);
        int q = d.ctx.tables.dc_quant[0];
        int dc = static_cast<int>(std::lround(8.0 * (grey - 128) / q));
        int expected = std::clamp(((q * dc * 128) >> 10) + 128, 0, 255);
        const uint8_t* luma = d.ctx.LumaPlane();
        for (int i = 0; i < d.ctx.PaddedWidth() * d.ctx.PaddedHeight(); ++i)
            ASSERT_EQ(luma[i], expected) << "grey " << grey << " sample " << i;
        EXPECT_EQ(pic.pixels[0], pic.pixels[1]) << "no colour in a grey picture";
    }
}

TEST(JpgDecodeFrame, TruncatedFrameShowsNewTopOverPreviousBottom) {
    const int w = 64, h = 64;
    Bytes a = Uniform(w, h, 30);
    Bytes b = test::SceneFrame(w, h, 5);
    Decoder full(w, h);
    Picture b_full;
    ASSERT_EQ(Decode(full, b, b_full), 0);

    Decoder d(w, h);
    Picture pic;
    ASSERT_EQ(Decode(d, a, pic), 0);
    Picture a_full = pic;
    size_t scan = fixtures::ScanDataOffset(b);
    Bytes cut(b.begin(), b.begin() + scan + (b.size() - scan) / 2);
    int r = Decode(d, cut, pic);
    EXPECT_GT(r, 0) << "a stream that stops early reports the scan bytes taken";
    EXPECT_LE(static_cast<size_t>(r), cut.size() - scan);
    for (int y = 0; y < 16; ++y)
        ASSERT_EQ(0, std::memcmp(pic.Row(y), b_full.Row(y), pic.Stride())) << "row " << y;
    for (int y = h - 16; y < h; ++y)
        ASSERT_EQ(0, std::memcmp(pic.Row(y), a_full.Row(y), pic.Stride())) << "row " << y;
}

// Whether the 16x16 pixels of macroblock m are the same in both pictures.
bool SameMacroblock(const Picture& a, const Picture& b, int m) {
    const int across = a.width / 16, x = m % across * 16, y = m / across * 16;
    for (int r = y; r < y + 16; ++r)
        if (std::memcmp(a.Row(r) + 3 * x, b.Row(r) + 3 * x, 48) != 0) return false;
    return true;
}

TEST(JpgDecodeFrame, ScanCutMidRowShowsItsMacroblocksThenThePreviousFrameOnEveryTarget) {
    const int w = 96, h = 64;
    const Bytes a = Uniform(w, h, 200);
    const Bytes b = test::SceneFrame(w, h, 9);
    const size_t scan = fixtures::ScanDataOffset(b);
    for (auto t : {simd::Target::kPlain, simd::Target::kSse2, simd::Target::kAvx2}) {
        if (!simd::ForceTarget(t)) continue;
        SCOPED_TRACE(simd::TargetName(t));
        Decoder d(w, h);
        Picture a_full, b_full, pic;
        ASSERT_EQ(Decode(d, b, b_full), 0);
        ASSERT_EQ(Decode(d, a, a_full), 0);
        for (int part = 1; part <= 3; ++part) {
            ASSERT_EQ(Decode(d, a, pic), 0);
            const Bytes cut(b.begin(), b.begin() + scan + (b.size() - scan) * part / 4);
            ASSERT_GT(Decode(d, cut, pic), 0);
            // The macroblocks before the one where the scan stopped are the new frame's, all
            // after it the previous frame's.
            int m = 0;
            while (m < (w / 16) * (h / 16) && SameMacroblock(pic, b_full, m))
                ++m;
            for (++m; m < (w / 16) * (h / 16); ++m)
                EXPECT_TRUE(SameMacroblock(pic, a_full, m)) << "part " << part << " mb " << m;
        }
    }
    simd::ForceTarget(simd::BestTarget());
}

TEST(JpgDecodeFrame, EndOfImageCheckLooksBehindTheScan) {
    Decoder d(32, 32);
    d.switches.cbCheckSpuriousEOI = true;
    Picture pic;
    Bytes jpeg = test::SceneFrame(32, 32);
    ASSERT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    ASSERT_EQ(jpeg.back(), 0xD9);
    EXPECT_EQ(Decode(d, jpeg, pic), 0) << "scan followed by FF D9";

    Bytes no_eoi(jpeg.begin(), jpeg.end() - 2);
    no_eoi.insert(no_eoi.end(), 200, 0x00);
    EXPECT_EQ(Decode(d, no_eoi, pic), kJpgNoEndOfImage);
    Bytes short_tail(jpeg.begin(), jpeg.end() - 2);
    EXPECT_EQ(Decode(d, short_tail, pic), kJpgNoEndOfImage) << "frame ends right behind the scan";

    Bytes stray(jpeg.begin(), jpeg.end() - 2);
    Bytes tail{0x12, 0xD9, 0x00, 0xFF, 0xD9};
    stray.insert(stray.end(), tail.begin(), tail.end());
    EXPECT_EQ(Decode(d, stray, pic), kJpgStrayEndOfImage);

    d.switches.cbCheckSpuriousEOI = false;
    EXPECT_EQ(Decode(d, no_eoi, pic), 0) << "the check is off";
}

TEST(JpgDecodeFrame, GreyModeWritesLumaIntoAllThreeBytes) {
    const int w = 40, h = 24;
    Decoder d(w, h);
    d.switches.cbForceBW = true;
    Picture pic;
    ASSERT_EQ(Decode(d, test::SceneFrame(w, h, 2), pic), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = pic.Row(y) + 3 * x;
            ASSERT_EQ(p[0], p[1]);
            ASSERT_EQ(p[1], p[2]);
            ASSERT_EQ(p[0], d.ctx.LumaPlane()[y * d.ctx.PaddedWidth() + x]);
        }
    }
}

// Widths that are multiples of 8 but not 16 decode into padded planes, row for row.
TEST(JpgDecodeFrame, PaddedWidthsAgreeWithAnIndependentDecoder) {
    for (auto [w, h] : {std::pair{1080, 40}, std::pair{200, 72}, std::pair{40, 24}}) {
        Bytes jpeg = test::SceneFrame(w, h, 1);
        Decoder d(w, h);
        Picture pic;
        ASSERT_EQ(Decode(d, jpeg, pic), 0);
        auto ref = fixtures::DecodeReference(jpeg);
        ASSERT_TRUE(ref.ok);
        auto psnr = fixtures::PsnrPerChannel(pic.pixels.data(), pic.Stride(), ref.data.data(),
                                             static_cast<size_t>(w) * 3, w, h);
        for (double p : psnr)
            EXPECT_GE(p, 38.0) << w << "x" << h;
    }
}

TEST(JpgDecodeFrame, NoScanLeavesPictureUntouchedAndIntervalsFollowCaptureTimes) {
    Decoder d(32, 16);
    Picture pic;
    pic.Allocate(32, 16);
    std::fill(pic.pixels.begin(), pic.pixels.end(), 0x5A);
    Bytes nothing{0xFF, 0xD8, 0xFF, 0xD9};
    EXPECT_EQ(Decode(d, nothing, pic), kJpgNoScan);
    EXPECT_EQ(pic.pixels[100], 0x5A);

    fixtures::FrameSegments s;
    s.capture_time = 1000;
    Bytes f1 = test::SceneFrame(32, 16, 0, s);
    s.capture_time = 1250;
    Bytes f2 = test::SceneFrame(32, 16, 1, s);
    int32_t interval = -7;
    uint32_t t = 0;
    d.ctx.SetPreviousCaptureTime(1000);
    ASSERT_EQ(Decode(d, f1, pic, &interval, &t), 0);
    EXPECT_EQ(interval, 0);
    ASSERT_EQ(Decode(d, f2, pic, &interval, &t), 0);
    EXPECT_EQ(interval, 2500) << "hundredths become milliseconds";
    EXPECT_EQ(t, 1250u);
    EXPECT_EQ(d.ctx.LastCaptureTime(), 1250);
}

TEST(JpgDecodeFrame, DamagedScansStopWithPositiveCounts) {
    Decoder d(32, 32);
    Picture pic;
    Bytes jpeg = test::SceneFrame(32, 32);
    size_t scan = fixtures::ScanDataOffset(jpeg);
    // A restart marker inside the scan stops the decode.
    fixtures::EncodeOptions e;
    e.restart_interval = 1;
    Bytes rst = fixtures::CameraFrame(fixtures::GradientPicture(32, 32), {}, e);
    EXPECT_GT(Decode(d, rst, pic), 0);
    // A DC table that matches no code stops at once.
    Bytes bad = jpeg;
    auto dht = fixtures::FindSegment(bad, fixtures::kDHT, 0);
    ASSERT_TRUE(dht);
    ASSERT_EQ(bad[dht->payload_offset], 0x00) << "first table is DC 0";
    for (int i = 1; i <= 16; ++i)
        bad[dht->payload_offset + i] = 0;
    EXPECT_GT(Decode(d, bad, pic), 0);
    // A scan cut right at its start.
    Bytes empty(jpeg.begin(), jpeg.begin() + scan);
    EXPECT_EQ(Decode(d, empty, pic), 1);
}

TEST(JpgDecodeDc, UniformGreyGivesOneLumaValueAndZeroChroma) {
    Decoder d(64, 48);
    Bytes jpeg = Uniform(64, 48, 90);
    int bw = 8, bh = 6;
    std::vector<uint8_t> luma(bw * bh, 0);
    std::vector<int32_t> cb(bw * bh / 4, 99), cr(bw * bh / 4, 99);
    ASSERT_EQ(
        JpgDecodeDc(d.ctx, jpeg.data(), jpeg.size(), luma.data(), cb.data(), cr.data(), bw, bh), 0);
    int q = d.ctx.tables.dc_quant[0];
    int dc = static_cast<int>(std::lround(8.0 * (90 - 128) / q));
    for (uint8_t v : luma)
        ASSERT_EQ(v, q * dc / 8 + 128);
    for (int i = 0; i < bw * bh / 4; ++i) {
        ASSERT_EQ(cb[i], 0);
        ASSERT_EQ(cr[i], 0);
    }
    Bytes nothing{0xFF, 0xD8, 0xFF, 0xD9};
    EXPECT_EQ(
        JpgDecodeDc(d.ctx, nothing.data(), nothing.size(), luma.data(), nullptr, nullptr, bw, bh),
        -1);
}

// The DC grid matches the block means of the full decode (the reduced decode is a thumbnail).
TEST(JpgDecodeDc, FollowsTheFullDecodeBlockMeans) {
    const int w = 96, h = 64;
    Decoder d(w, h);
    Bytes jpeg = test::SceneFrame(w, h, 4);
    Picture pic;
    ASSERT_EQ(Decode(d, jpeg, pic), 0);
    std::vector<uint8_t> grid((w / 8) * (h / 8));
    ASSERT_EQ(
        JpgDecodeDc(d.ctx, jpeg.data(), jpeg.size(), grid.data(), nullptr, nullptr, w / 8, h / 8),
        0);
    double total = 0;
    for (int by = 0; by < h / 8; ++by) {
        for (int bx = 0; bx < w / 8; ++bx) {
            int sum = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    sum += d.ctx.LumaPlane()[(by * 8 + y) * d.ctx.PaddedWidth() + bx * 8 + x];
            total += std::abs(sum / 64.0 - grid[by * (w / 8) + bx]);
        }
    }
    EXPECT_LT(total / grid.size(), 2.0);
}

}  // namespace
}  // namespace qv

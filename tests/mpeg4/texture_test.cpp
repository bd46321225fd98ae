// Texture decoding and reconstruction arithmetic: escape modes, inverse quantisation with
// mismatch control, the 16-bit inverse transform, DQUANT.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "media/mpeg4/dequant.h"
#include "media/mpeg4/idct.h"
#include "media/mpeg4/macroblocks.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/mpeg4/vlc_tables.h"
#include "stream_builder.h"

namespace {

using namespace qv::mpeg4;
using qv::fixtures::BitWriter;

struct Coefficients {
    bool ok;
    int32_t coef[64] = {};
    int count = 0;
};

Coefficients Decode(const BitWriter& w, bool intra) {
    std::vector<uint8_t> b = w.Bytes();
    b.resize(b.size() + 8, 0);
    StreamReader r;
    r.Open(std::make_unique<MemorySource>(b.data(), b.size()), 2);
    Coefficients c;
    uint8_t nonzero[65];
    c.ok = DecodeTexture(r, intra, 0, c.coef, nonzero, c.count);
    return c;
}

void Escape(BitWriter& w) {
    w.Put(kTcoefEscape, kTcoefEscapeLength);
}

TEST(Texture, TheThreeEscapeModes) {
    BitWriter w;
    Escape(w);
    w.Put(0, 1);    // mode 1
    w.Put(0x2, 2);  // inter (last 0, run 0, level 1)
    w.Put(1, 1);    // negative
    Escape(w);
    w.Put(0x2, 2);  // mode 2
    w.Put(0x2, 2);  // (0, 0, 1)
    w.Put(0, 1);
    Escape(w);
    w.Put(0x3, 2);  // mode 3
    w.Put(1, 1);    // last
    w.Put(5, 6);    // run
    w.Put(1, 1);
    w.Put(4096 - 300, 12);
    w.Put(1, 1);
    Coefficients c = Decode(w, false);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.coef[kZigzag[0]], -13);    // 1 + LMAX(0, 0) = 12
    EXPECT_EQ(c.coef[kZigzag[28]], 1);     // run 0 + RMAX(0, 1) = 26, + 1
    EXPECT_EQ(c.coef[kZigzag[34]], -300);  // written out
    EXPECT_EQ(Tables().intra.Lmax(0, 0), 27);
    EXPECT_EQ(Tables().intra.Rmax(1, 1), 20);
    EXPECT_EQ(Tables().inter.Lmax(1, 0), 3);
}

TEST(Texture, BadCodesFailTheBlock) {
    BitWriter zeros;
    zeros.Put(0, 12);  // no code, and not the escape
    EXPECT_FALSE(Decode(zeros, false).ok);
    BitWriter far;
    Escape(far);
    far.Put(0x3, 2);
    far.Put(0, 1);
    far.Put(63, 6);  // position 63 ...
    far.Put(1, 1);
    far.Put(1, 12);
    far.Put(1, 1);
    Escape(far);
    far.Put(0x3, 2);
    far.Put(1, 1);
    far.Put(0, 6);  // ... then one more
    far.Put(1, 1);
    far.Put(1, 12);
    far.Put(1, 1);
    EXPECT_FALSE(Decode(far, false).ok);
    BitWriter marker;
    Escape(marker);
    marker.Put(0x3, 2);
    marker.Put(1, 1);
    marker.Put(0, 6);
    marker.Put(0, 1);  // marker must be 1
    marker.Put(1, 12);
    marker.Put(1, 1);
    EXPECT_FALSE(Decode(marker, false).ok);
}

TEST(Dequantise, MultipliersScalersAndMismatchControl) {
    DequantTables t;
    t.Build(10);
    EXPECT_EQ(t.luma_dc_scaler, 18);
    EXPECT_EQ(t.chroma_dc_scaler, 11);
    EXPECT_EQ(LumaDcScaler(3), 8);
    EXPECT_EQ(LumaDcScaler(6), 12);
    EXPECT_EQ(LumaDcScaler(30), 44);
    EXPECT_EQ(ChromaDcScaler(30), 24);
    int32_t block[64] = {};  // zigzag order
    block[0] = 7;
    block[1] = 3;  // raster 1, W 17: (2 x 3 x 17 x 10) / 16
    InverseQuantise(block, true, false, t);
    EXPECT_EQ(block[0], 7 * 18);
    EXPECT_EQ(block[1], 63);
    EXPECT_EQ(block[63], 0);  // the sum 126 + 63 is odd: untouched
    int32_t even[64] = {};
    even[0] = 7;
    even[1] = 2;  // 126 + 42 is even: the lowest bit of position 63 flips
    InverseQuantise(even, true, false, t);
    EXPECT_EQ(even[1], 42);
    EXPECT_EQ(even[63], 1);
}

TEST(Dequantise, AllZeroInterBlockCarriesTheMismatchBitAndStaysZero) {
    DequantTables t;
    t.Build(4);
    int32_t block[64] = {};
    InverseQuantise(block, false, false, t);
    EXPECT_EQ(block[63], 1);
    int16_t out[64];
    InverseDct(block, out);
    for (int16_t v : out)
        EXPECT_EQ(v, 0);
    int32_t inter[64] = {};
    inter[4] = -2;  // zigzag 4 = raster 9, W 18: (2 x -2 - 1) x 18 x 10 / 16, toward zero
    t.Build(10);
    InverseQuantise(inter, false, true, t);
    EXPECT_EQ(inter[9], -56);
    EXPECT_EQ(inter[63], 1);  // -56 is even
}

// Values of 2048..4095 occur in real streams and pass unchanged; only what the transform's 16-bit
// x 8 step cannot hold is limited.
TEST(Dequantise, KeepsValuesUpTo4095AndLimitsOnlyBeyond) {
    DequantTables t;
    t.Build(31);
    int32_t inter[64] = {};
    inter[1] = 32;  // raster 1, W 17: (2 x 32 + 1) x 17 x 31 / 16
    inter[2] = -32;
    InverseQuantise(inter, false, false, t);
    EXPECT_EQ(inter[1], 2140);
    EXPECT_EQ(inter[8], -2140);
    int32_t intra[64] = {};
    intra[0] = 600;     // DC 600 x 46
    intra[63] = 2047;   // raster 63, W 83
    intra[62] = -2047;  // raster 62
    InverseQuantise(intra, true, false, t);
    EXPECT_EQ(intra[0], 4095);
    EXPECT_EQ(intra[63], 4095);
    EXPECT_EQ(intra[62], -4095);
}

TEST(InverseDct, AgreesWithTheExactTransform) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> value(-300, 300), pos(0, 63);
    double worst = 0, total = 0;
    for (int trial = 0; trial < 500; ++trial) {
        int32_t in[64] = {};
        for (int k = 0; k < 1 + trial % 12; ++k)
            in[pos(rng)] = value(rng);
        int16_t out[64];
        InverseDct(in, out);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                double s = 0;
                for (int v = 0; v < 8; ++v)
                    for (int u = 0; u < 8; ++u) {
                        double cu = u ? 1 : std::sqrt(0.5), cv = v ? 1 : std::sqrt(0.5);
                        s += cu * cv * in[v * 8 + u] * std::cos((2 * x + 1) * u * M_PI / 16) *
                             std::cos((2 * y + 1) * v * M_PI / 16);
                    }
                s = std::clamp(s / 4, -256.0, 255.0);
                double e = std::abs(s - out[y * 8 + x]);
                worst = std::max(worst, e);
                total += e;
            }
    }
    EXPECT_LE(worst, 2.0);
    EXPECT_LT(total / (500 * 64), 0.6);
    int32_t dc[64] = {};
    dc[0] = 800;
    int16_t out[64];
    InverseDct(dc, out);
    for (int16_t v : out)
        EXPECT_EQ(v, 100);
}

TEST(Dquant, QuantiserIsHeldInItsRange) {
    std::vector<uint8_t> b = qv::testing::Headers();
    BitWriter w;
    qv::testing::VopHeader(w, 0, 31);
    w.Put(0x1, 4);  // MCBPC I: intra + DQUANT, cbpc 0
    w.Put(0, 1);
    w.Put(0x3, 4);  // CBPY 0
    w.Put(3, 2);    // +2
    for (int k = 0; k < 4; ++k)
        qv::testing::DcDifferential(w, 0, false);
    qv::testing::DcDifferential(w, 0, true);
    qv::testing::DcDifferential(w, 0, true);
    w.Stuff();
    qv::testing::Append(b, w.Bytes());
    StreamDecoder d;
    ASSERT_GT(d.OpenStreamMemory(b.data(), b.size()), 0);
    int32_t q = 0;
    ASSERT_GE(d.DecodeNextFrame(nullptr, nullptr, false, nullptr, nullptr, &q), 0);
    EXPECT_EQ(q, 31);
}

TEST(IntraDc, ThresholdSevenCodesTheDcAsACoefficient) {
    // intra_dc_vlc_thr 7: the DC comes as the first TCOEF (intra table (last 1, run 0, level 1)
    // is 0111 and a sign bit), added to the prediction 128.
    std::vector<uint8_t> b = qv::testing::Headers();
    BitWriter w;
    qv::testing::VopHeader(w, 0, 2, true, 7);
    w.Put(0x3, 3);  // MCBPC I: intra, cbpc 3 (U and V coded)
    w.Put(0, 1);
    w.Put(0x3, 2);  // CBPY 15
    for (int k = 0; k < 6; ++k) {
        w.Put(0x7, 4);
        w.Put(0, 1);
    }
    w.Stuff();
    qv::testing::Append(b, w.Bytes());
    StreamDecoder d;
    ASSERT_GT(d.OpenStreamMemory(b.data(), b.size()), 0);
    ASSERT_GE(d.DecodeNextFrame(nullptr, nullptr, false, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(d.Frames().Current().y[0], 129);
    EXPECT_EQ(d.Frames().Current().u[0], 129);
}

}  // namespace

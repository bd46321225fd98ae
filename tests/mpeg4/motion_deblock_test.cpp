// Motion vector prediction and compensation, colour conversion, and the deblocking filter.
#include <gtest/gtest.h>

#include <vector>

#include "media/mpeg4/deblock.h"
#include "media/mpeg4/motion.h"
#include "media/mpeg4/yuv_rgb.h"

namespace {

using namespace qv::mpeg4;

// A 3x3-macroblock reference whose samples tell where they came from.
struct Reference {
    static constexpr int kStride = 48, kRows = 48;
    std::vector<uint8_t> y, u, v;
    Reference() : y(kStride * kRows), u(kStride * kRows / 4), v(kStride * kRows / 4) {
        for (int j = 0; j < kRows; ++j)
            for (int i = 0; i < kStride; ++i)
                y[j * kStride + i] = static_cast<uint8_t>(i + 3 * j);
        for (int j = 0; j < kRows / 2; ++j)
            for (int i = 0; i < kStride / 2; ++i) {
                u[j * 24 + i] = static_cast<uint8_t>(4 * i + 40 * j);
                v[j * 24 + i] = static_cast<uint8_t>(200 - 2 * i);
            }
    }
    struct Prediction {
        uint8_t y[256], u[64], v[64];
    };
    Prediction Predict(int row, int col, MotionVector mv) const {
        Prediction p;
        PredictMacroblock(row, col, 3, 3, {y.data(), kStride, kRows}, {u.data(), 24, 24},
                          {v.data(), 24, 24}, mv, p.y, p.u, p.v);
        return p;
    }
    int U(int x, int y_) const { return u[y_ * 24 + x]; }
};

TEST(MotionCompensation, WholeSampleLumaHalfSampleChroma) {
    Reference ref;
    // (1, 1): the luma half is dropped; hx = hy = 0, so chroma is taken whole as well.
    auto a = ref.Predict(1, 1, {1, 1});
    EXPECT_EQ(a.y[0], ref.y[16 * 48 + 16]);
    EXPECT_EQ(a.u[0], ref.U(8, 8));
    // (2, 2): one luma sample, half a chroma sample both ways: the mean of four, truncated.
    auto b = ref.Predict(1, 1, {2, 2});
    EXPECT_EQ(b.y[0], ref.y[17 * 48 + 17]);
    EXPECT_EQ(b.u[0], (ref.U(8, 8) + ref.U(9, 8) + ref.U(8, 9) + ref.U(9, 9)) / 4);
    // (-3, 0): hx = -1: luma one sample left; chroma at floor(-1 / 2) = -1 with a horizontal half.
    auto c = ref.Predict(1, 1, {-3, 0});
    EXPECT_EQ(c.y[0], ref.y[16 * 48 + 15]);
    EXPECT_EQ(c.u[0], (ref.U(7, 8) + ref.U(8, 8)) / 2);
    EXPECT_EQ(c.u[9], (ref.U(8, 9) + ref.U(9, 9)) / 2);
    // Vertical half only.
    auto d = ref.Predict(1, 1, {0, 2});
    EXPECT_EQ(d.v[0], (ref.v[8 * 24 + 8] + ref.v[9 * 24 + 8]) / 2);
}

TEST(MotionCompensation, EdgeMacroblocksDoNotPointOutward) {
    Reference ref;
    // Top-left macroblock, vector up and left: the co-located block.
    auto a = ref.Predict(0, 0, {-9, -7});
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i)
            ASSERT_EQ(a.y[j * 16 + i], ref.y[j * 48 + i]);
    // Bottom-right macroblock, vector down and right: the same.
    auto b = ref.Predict(2, 2, {8, 8});
    EXPECT_EQ(b.y[0], ref.y[32 * 48 + 32]);
    // An inner macroblock reaching far outside reads the clamped edge samples.
    auto c = ref.Predict(1, 1, {-200, 0});
    EXPECT_EQ(c.y[0], ref.y[16 * 48 + 0]);
    EXPECT_EQ(c.y[15], ref.y[16 * 48 + 0]);
    auto e = ref.Predict(1, 1, {0, 400});
    EXPECT_EQ(e.y[255], ref.y[47 * 48 + 31]);
}

TEST(VectorPrediction, NeighboursAndAvailability) {
    const MotionVector X = kUnavailableVector;
    // First row of a P-VOP: nothing above.
    MotionVector first[4] = {X, X, X, X};
    EXPECT_EQ(PredictVector(first, 0), (MotionVector{0, 0}));
    first[0] = {6, -4};
    EXPECT_EQ(PredictVector(first, 1), (MotionVector{6, -4}));  // the left one alone
    // Column 0 of a later row: left unavailable counts as 0 in the median.
    MotionVector row[4] = {{4, 8}, {10, -2}, {0, 0}, X};
    EXPECT_EQ(PredictVector(row, 0), (MotionVector{4, 0}));
    // Inner: the median of left (row[0]), above (row[1]) and above-right (row[2]).
    EXPECT_EQ(PredictVector(row, 1), (MotionVector{4, 0}));
    // Last column: above-right is the unavailable extra entry.
    MotionVector last[3] = {{2, 2}, {8, -6}, X};
    EXPECT_EQ(PredictVector(last, 1), (MotionVector{2, 0}));
}

TEST(ColourConversion, BlackWhiteAndChroma) {
    uint8_t y[4] = {16, 235, 16, 235}, u[1] = {128}, v[1] = {128};
    qv::Picture p;
    p.Allocate(2, 2);
    ConvertToRgb(y, 2, u, v, 1, 2, 2, p);
    EXPECT_EQ(p.pixels[0], 0);
    EXPECT_EQ(p.pixels[3], 254);
    EXPECT_EQ(p.pixels[5], 254);
    uint8_t red_v[1] = {240}, grey_u[1] = {128};
    ConvertToRgb(y, 2, grey_u, red_v, 1, 2, 2, p);
    EXPECT_EQ(p.pixels[3 + 2], 255);                              // red saturates
    EXPECT_EQ(p.pixels[3 + 1], (1192 * 219 - 833 * 112) / 1024);  // green
}

TEST(FilterEdge, DefaultModeDcOffsetModeAndNoChange) {
    EdgeWindow w;
    int ramp[10] = {0, 4, 8, 12, 16, 40, 44, 48, 52, 56};
    for (int i = 0; i < 10; ++i)
        w.x(i) = ramp[i];
    EXPECT_EQ(FilterEdge(w, 8), 1);
    EXPECT_EQ(w.x(4), 20);
    EXPECT_EQ(w.x(5), 36);
    for (int i = 0; i < 10; ++i)
        w.x(i) = ramp[i];
    EXPECT_EQ(FilterEdge(w, 7), 0);  // |a30| = 7 is not below QP 7
    // A step of 10 between two flat runs: 8 of 9 pairs equal, range 10.
    for (int qp : {8, 1}) {
        for (int i = 0; i < 10; ++i)
            w.x(i) = i < 5 ? 100 : 110;
        int result = FilterEdge(w, qp);
        if (qp == 8) {
            EXPECT_EQ(result, 2);
            EXPECT_EQ(w.x(0), 100);
            // s = 100 x4 (p0), 100 x4, 110 x4, 110 x4 (p9) around x1..x8.
            EXPECT_EQ(w.x(1), (15 * 100 + 110 + 8) >> 4);  // only s(5) lies past the step
            EXPECT_EQ(w.x(4), (1 * 100 + 1 * 100 + 2 * 100 + 2 * 100 + 4 * 100 + 2 * 110 + 2 * 110 +
                               110 + 110 + 8) >>
                                  4);
            EXPECT_LT(w.x(4), w.x(5));
            EXPECT_EQ(w.x(8), (100 + 15 * 110 + 8) >> 4);
        } else {
            EXPECT_EQ(result, 0);  // range 10 is not below 2
            EXPECT_EQ(w.x(4), 100);
            EXPECT_EQ(w.x(5), 110);
        }
    }
}

TEST(DeblockPlane, FlatPlanesStayAndBlockStepsSmooth) {
    std::vector<uint8_t> flat(32 * 24, 77);
    std::vector<uint8_t> copy = flat;
    DeblockCounters counters;
    DeblockPlane(copy.data(), 32, 24, 32, 8, &counters);
    EXPECT_EQ(copy, flat);
    LowPassPlane(copy.data(), 32, 24, 32);
    EXPECT_EQ(copy, flat);
    // Two flat 8x8 blocks side by side, 10 apart.
    std::vector<uint8_t> step(16 * 8);
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 16; ++i)
            step[j * 16 + i] = i < 8 ? 100 : 110;
    counters = {};
    DeblockPlane(step.data(), 16, 8, 16, 8, &counters);
    EXPECT_EQ(counters.dc_offset_mode, 8);  // one per row; no horizontal edge inside 8 rows
    EXPECT_EQ(step[3], 100);
    EXPECT_GT(step[7], 100);
    EXPECT_LT(step[8], 110);
    EXPECT_EQ(step[12], 110);
    EXPECT_EQ(step[16 + 7], step[7]);
}

TEST(LowPassPlane, RowPassOfAFourSampleRowChangesSampleOne) {
    uint8_t plane[8] = {0, 100, 50, 200, 10, 20, 30, 40};  // two rows of four
    LowPassPlane(plane, 4, 2, 4);  // the column pass of two rows changes nothing
    EXPECT_EQ(plane[0], 0);
    EXPECT_EQ(plane[1], (0 + 200 + 50) / 4);
    EXPECT_EQ(plane[2], 50);
    EXPECT_EQ(plane[3], 200);
    EXPECT_EQ(plane[5], (10 + 40 + 30) / 4);
}

}  // namespace

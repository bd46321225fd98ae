// The motion pass over real camera recordings: which frames it decodes, which it reports, and how
// the threshold, the stop flag, grey mode and the brightness option act.
#include <gtest/gtest.h>

#include <cstdint>

#include "search/block_compare.h"
#include "search/motion_search.h"
#include "search_fixture.h"

namespace qv::search {
namespace {

using testing::PlaylistHost;
using testing::Scene;
using testing::WriteScene;

class PassTest : public ::testing::Test {
  protected:
    void Load(const Scene& scene) {
        host.files = {WriteScene("pass.avi", scene)};
        ASSERT_TRUE(host.Open(0));
    }
    PlaylistHost host{{}};
    MotionSearch motion{host.search, host};
};

TEST_F(PassTest, WalksCompareNeighboursAndNeverTheEndFrame) {
    Load({.frames = 12, .steps = {{5, 30}, {11, 30}}});
    EXPECT_EQ(motion.MotionSearchPass(3, 3, 20), -1);
    EXPECT_TRUE(host.loaded.empty());
    // One step: only the start frame is decoded.
    EXPECT_EQ(motion.MotionSearchPass(2, 3, 20), 0);
    EXPECT_EQ(host.loaded, (std::vector<int>{2}));
    host.loaded.clear();
    // Motion at first + d is found; frames beyond the find are not decoded.
    EXPECT_EQ(motion.MotionSearchPass(4, 11, 20), 5);
    EXPECT_EQ(host.loaded, (std::vector<int>{4, 5}));
    // Backward: frame 5 differs from frame 4 walking down.
    EXPECT_EQ(motion.MotionSearchPass(9, 0, 20), 4);
    // A change that shows only at the end frame is not found.
    EXPECT_EQ(motion.MotionSearchPass(6, 11, 20), 0);
    EXPECT_EQ(motion.MotionSearchPass(10, 5, 20), 0);
}

TEST_F(PassTest, ThresholdIsStrictAndItsExtremesAreFixed) {
    Load({.frames = 6, .steps = {{2, 1}, {4, 25}}});
    EXPECT_EQ(motion.MotionSearchPass(0, 6, 0), 2);    // one level is more than 0
    EXPECT_EQ(motion.MotionSearchPass(0, 6, 1), 4);    // not more than 1
    EXPECT_EQ(motion.MotionSearchPass(0, 6, 25), 0);   // 25 is not more than 25
    EXPECT_EQ(motion.MotionSearchPass(0, 6, -1), 1);   // negative: the first comparison
    EXPECT_EQ(motion.MotionSearchPass(3, 0, 255), 0);  // never
}

TEST_F(PassTest, StopEndsTheWalkButMotionInTheSameStepWins) {
    Load({.frames = 12, .steps = {{6, 40}}});
    host.on_frame = [this](int f) {
        if (f == 6 || f == 9) motion.StopMotionPass();
    };
    EXPECT_EQ(motion.MotionSearchPass(0, 12, 20), 6);  // stop and motion at 6: the find
    EXPECT_EQ(motion.MotionSearchPass(7, 12, 20), 9);  // stop alone: where the walk was
    host.on_frame = nullptr;
    EXPECT_EQ(motion.MotionSearchPass(7, 12, 20), 0);  // a new pass clears the flag
}

TEST_F(PassTest, ThumbnailIsTheBlockPictureOfTheFrameLoadedLast) {
    Load({.frames = 3, .steps = {{1, 60}}});
    motion.MotionSearchPass(0, 2, 20);
    const MotionBuffers& b = motion.Buffers();
    ASSERT_EQ(b.BlocksAcross(), 8);
    ASSERT_EQ(b.BlockRows(), 6);
    EXPECT_EQ(b.ThumbnailStride(), 24);
    EXPECT_EQ(b.Header().height, -6);
    EXPECT_EQ(b.Header().image_size, 24u * 6u);
    // The patch covers blocks (2..3, 2..3); a grey picture gives equal colour bytes.
    const uint8_t* patch = b.Thumbnail() + 2 * 24 + 2 * 3;
    EXPECT_NEAR(patch[0], 160, 1);
    EXPECT_NEAR(patch[1], 160, 1);
    EXPECT_NEAR(patch[2], 160, 1);
    EXPECT_NEAR(b.Thumbnail()[0], 100, 1);
}

TEST(MotionBuffersTest, SidesBeyondTheLargestGridAreRefusedWithoutOverflow) {
    MotionBuffers b;
    EXPECT_FALSE(b.Allocate(INT32_MAX, 240));
    EXPECT_FALSE(b.Allocate(320, INT32_MAX - 7));
    EXPECT_FALSE(b.Allocate(8193, 240));
    EXPECT_TRUE(b.Allocate(8192, 16));
    EXPECT_EQ(b.BlocksAcross(), 1024);
}

TEST(BlockCompare, BrightnessOfTheWholePictureIsNotMotionWhenAsked) {
    std::vector<uint8_t> prev(48, 100), cur(48, 140);
    EXPECT_TRUE(BlocksDiffer(cur.data(), prev.data(), 48, 20));
    EXPECT_FALSE(BlocksDifferBeyondBrightness(cur.data(), prev.data(), 48, 20));
    cur[7] = 200;  // one block moves beyond the common step
    EXPECT_TRUE(BlocksDifferBeyondBrightness(cur.data(), prev.data(), 48, 20));
}

TEST_F(PassTest, IgnoringBrightnessFindsOnlyLocalChange) {
    Load({.frames = 8, .steps = {{6, 40}}, .lighting = {{3, 30}}});
    EXPECT_EQ(motion.MotionSearchPass(0, 8, 20), 3);
    motion.ignore_brightness = true;
    EXPECT_EQ(motion.MotionSearchPass(0, 8, 20), 6);
}

}  // namespace
}  // namespace qv::search

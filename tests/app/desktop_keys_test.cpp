// The desktop player's conventions: Space pauses and resumes in the direction that played,
// full screen gives the picture the whole window and gives the layout back, and Undo brings a
// cleared playlist back.
#include <gtest/gtest.h>

#include "player_harness.h"

namespace qv::app {
namespace {

class DesktopKeysTest : public ::testing::Test, protected testing::PlayerHarness {};

TEST_F(DesktopKeysTest, SpacePausesAndResumesTheWayItPlayed) {
    AddMovie("/m/a.avi", 1);
    Start({"/m/a.avi"});
    logic.sbNextClick();
    logic.sbNextClick();
    logic.sbBackwardClick();
    ASSERT_TRUE(logic.play().bPlaying);
    logic.SpaceKey();
    EXPECT_FALSE(logic.play().bPlaying);
    logic.SpaceKey();
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_EQ(logic.play().nDirection, -1);
}

TEST_F(DesktopKeysTest, FullScreenGivesThePictureTheWindowAndGivesTheLayoutBack) {
    AddMovie("/m/a.avi", 1);
    Start({"/m/a.avi"});
    const Rect laid_out = logic.ui()["ScrollBox1"].rect;
    EXPECT_FALSE(logic.LeaveFullScreen());
    logic.FullScreen1Click();
    logic.FormResize(1920, 1080);
    EXPECT_TRUE(logic.ui().picture_only);
    EXPECT_EQ(logic.ui()["ScrollBox1"].rect, (Rect{0, 0, 1920, 1080}));
    EXPECT_TRUE(logic.LeaveFullScreen());
    logic.FormResize(1096, 702);
    EXPECT_EQ(logic.ui()["ScrollBox1"].rect, laid_out);
    EXPECT_FALSE(logic.ui()["FullScreen1"].checked);
}

TEST_F(DesktopKeysTest, UndoBringsTheClearedPlaylistBackOnce) {
    AddMovie("/m/a.avi", 1);
    AddMovie("/m/b.avi", 2);
    Start({"/m/b.avi", "/m/a.avi"});
    EXPECT_FALSE(Enabled("Undo1"));
    logic.bClearPlayListClick();
    EXPECT_TRUE(logic.ui().playlist_rows.empty());
    EXPECT_TRUE(Enabled("Undo1"));
    logic.Undo1Click();
    EXPECT_EQ(logic.ui().playlist_rows, (std::vector<std::string>{"a.avi", "b.avi"}));
    EXPECT_FALSE(Enabled("Undo1"));
    logic.Undo1Click();
    EXPECT_EQ(logic.playlist().nCount(), 2);
    // A second clear of an empty list leaves the list to bring back as it was.
    logic.bClearPlayListClick();
    logic.bClearPlayListClick();
    logic.Undo1Click();
    EXPECT_EQ(logic.playlist().nCount(), 2);
}

}  // namespace
}  // namespace qv::app

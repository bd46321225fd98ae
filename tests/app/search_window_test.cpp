// The search commands in the main window: the buttons and messages around a search, the refused
// threshold, the thumbnail, and a playlist double-click while a search runs.
#include <gtest/gtest.h>

#include "player_harness.h"

namespace qv::app {
namespace {

class SearchWindowTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    // Two movies, the second with motion at frame 4; the first is paused on frame 0.
    void StartTwo() {
        testing::FakeMovie still, moving;
        moving.scene = {{4, 160}};
        AddMovie("/m/a.avi", 1, still);
        AddMovie("/m/b.avi", 2, moving);
        Start({"/m/a.avi", "/m/b.avi"});
        logic.sbPauseClick();
        logic.ui()[ctl::edtMotionThreshold].text = "30";
    }
    bool Shown(ControlName n) const { return logic.ui()[n].visible; }
};

TEST_F(SearchWindowTest, ForwardSearchShowsTheFindWithFoundAndTheButtonsOfThatFrame) {
    StartTwo();
    bool running_checked = false;
    platform.during_events = [&] {
        if (running_checked) return;
        running_checked = true;
        EXPECT_TRUE(Enabled("sbStopSearch"));
        EXPECT_FALSE(Enabled("sbSearchForward"));
        EXPECT_FALSE(Enabled("sbForward"));
        EXPECT_TRUE(Shown(ctl::lblSearchForward));
        EXPECT_FALSE(Shown(ctl::lblSrchMsg));
        EXPECT_TRUE(Shown(ctl::pbWhere));
        EXPECT_EQ(logic.ui().thumbnail.width, 8);  // a 64-pixel picture: 8 blocks
    };
    logic.sbSearchForwardClick();
    EXPECT_TRUE(running_checked);
    EXPECT_EQ(logic.movie().szPath, "/m/b.avi");
    EXPECT_EQ(logic.ui().status[3], "Frame 5");
    EXPECT_TRUE(Shown(ctl::lblSearchFound));
    EXPECT_FALSE(Shown(ctl::lblSearchForward));
    EXPECT_FALSE(Enabled("sbStopSearch"));
    EXPECT_TRUE(Enabled("sbSearchForward"));
    EXPECT_TRUE(Enabled("sbSearchBackward"));
    EXPECT_TRUE(Shown(ctl::tbWhere));
    EXPECT_EQ(logic.settings().nMotionThreshold, 30);  // kept for the settings file
}

TEST_F(SearchWindowTest, ThresholdZeroBeepsAndPutsTheFocusOnTheField) {
    StartTwo();
    logic.ui()[ctl::edtMotionThreshold].text = "0";
    logic.sbSearchForwardClick();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(platform.focused, "edtMotionThreshold");
    EXPECT_EQ(logic.movie().szPath, "/m/a.avi");
    EXPECT_TRUE(Shown(ctl::lblSrchMsg));
}

TEST_F(SearchWindowTest, DoubleClickDuringASearchStopsItAndSearchesTheChosenMovieAfterwards) {
    testing::FakeMovie still, moving;
    moving.scene = {{6, 160}};
    AddMovie("/m/a.avi", 1, still);
    AddMovie("/m/b.avi", 2, still);
    AddMovie("/m/c.avi", 3, moving);
    Start({"/m/a.avi", "/m/b.avi", "/m/c.avi"});
    logic.sbPauseClick();
    int clicks = 0;
    platform.during_events = [&] {
        if (reader.loaded.size() == 3 && clicks++ == 0) logic.lbPlayListDblClick(2);
    };
    logic.sbSearchForwardClick();
    // The pass on a.avi stopped at frame 2; c.avi was opened only after it returned, never b.avi.
    EXPECT_EQ(std::count(reader.opened.begin(), reader.opened.end(), "/m/b.avi"), 0);
    EXPECT_EQ(logic.movie().szPath, "/m/c.avi");
    EXPECT_EQ(logic.ui().status[3], "Frame 7");
    EXPECT_TRUE(logic.search().bSearchMode);
    EXPECT_FALSE(logic.SearchRunning());
}

}  // namespace
}  // namespace qv::app

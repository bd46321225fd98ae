// What the player does around opening and replacing movies: the first picture of a new movie is
// on screen at once, a replaced list never leaves the current entry outside it, a failed open or a
// cleared list leaves nothing of the previous movie on screen, a recording cut short is reported
// once, the save, export and search commands follow the movie, and the window comes back on the
// screen it was saved on.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "player_harness.h"

namespace qv::app {
namespace {

class CoreTest : public ::testing::Test, protected testing::PlayerHarness {};

TEST_F(CoreTest, ANewEntryShowsItsFirstFrameAtOnceWithoutDecodingTheOldOneAgain) {
    testing::FakeMovie three;
    three.frames = 3;
    AddMovie("/m/a.avi", 1, three);
    AddMovie("/m/b.avi", 2, three);
    Start({"/m/a.avi", "/m/b.avi"});
    EXPECT_EQ(reader.decoded, std::vector<int>{0});
    ASSERT_NE(logic.ui().picture, nullptr);
    logic.Timer1Timer();
    logic.Timer1Timer();
    reader.decoded.clear();
    logic.Timer1Timer();  // past the end of a.avi
    EXPECT_EQ(logic.movie().szPath, "/m/b.avi");
    EXPECT_EQ(reader.decoded, std::vector<int>{0});  // b's frame 0, not a's again
    EXPECT_NE(logic.ui().picture, nullptr);
    EXPECT_EQ(logic.ui().status[3], "Frame 1");
}

TEST_F(CoreTest, OpeningANewListWhileALaterEntryPlaysKeepsStepsInsideTheList) {
    testing::FakeMovie three;
    three.frames = 3;
    for (int i = 0; i < 3; ++i)
        AddMovie("/m/" + std::to_string(i) + ".avi", i, three);
    AddMovie("/n/new.avi", 9, three);
    Start({"/m/0.avi", "/m/1.avi", "/m/2.avi"});
    logic.PlayEntry(2);
    platform.dialog_result = {"/n/new.avi"};
    logic.Open1Click();  // the playing movie plays on, but it is not in the new list
    EXPECT_EQ(logic.movie().szPath, "/m/2.avi");
    EXPECT_EQ(logic.playlist().nCurrent, -1);
    logic.sbPauseClick();
    logic.tbWhereEnter();
    logic.tbWhereChange(0);
    logic.tbWhereExit();
    const size_t opens = reader.opened.size();
    logic.sbPreviousClick();  // no entry before: stays on frame 0
    EXPECT_EQ(reader.opened.size(), opens);
    EXPECT_EQ(reader.CurrentFrame(), 0);
    logic.bPreviousClick();
    EXPECT_EQ(platform.beeps, 1);
    logic.bSkipClick();  // the next entry is the first of the new list
    EXPECT_EQ(logic.movie().szPath, "/n/new.avi");
}

TEST_F(CoreTest, FailedOpenAndClearLeaveNothingOfThePreviousMovie) {
    testing::FakeMovie m;
    AddMovie("/m/a.avi", 1, m);
    platform.created["/m/missing.avi"] = 2;
    Start({"/m/a.avi", "/m/missing.avi"});
    logic.Timer1Timer();
    ASSERT_NE(logic.ui()["lblDate"].text, "[]");
    logic.bSkipClick();
    for (size_t i = 1; i <= 3; ++i)
        EXPECT_EQ(logic.ui().status[i], "") << i;
    EXPECT_EQ(logic.ui()["lblDate"].text, "[]");
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "0:00:00");
    EXPECT_FALSE(logic.ui()["gbMovieInfo"].visible);
    EXPECT_FALSE(logic.ui()["Image1"].visible);
    logic.bPreviousClick();
    ASSERT_EQ(logic.movie().szPath, "/m/a.avi");
    logic.bClearPlayListClick();
    EXPECT_EQ(logic.ui().status[0], "[none]");
    EXPECT_EQ(logic.ui().status[3], "");
    EXPECT_EQ(logic.ui()["lblTime"].text, "[]");
    for (const char* n : {"sbSearchForward", "sbSearchBackward", "sbStopSearch"})
        EXPECT_FALSE(Enabled(n)) << n;
}

TEST_F(CoreTest, ARecordingCutShortIsReportedOnceWithItsFrameCounts) {
    testing::FakeMovie cut;
    cut.frames = 5;
    cut.declared_frames = 20;
    AddMovie("/m/cut.avi", 1, cut);
    Start({"/m/cut.avi"});
    ASSERT_EQ(platform.information_boxes.size(), 1u);
    EXPECT_EQ(platform.information_boxes[0],
              "Recording cut short: cut.avi ends early: 5 of its 20 frames are in the file.");
    EXPECT_EQ(logic.ui().status[2], "Frames = 5");
    logic.PlayEntry(0);  // played again: not asked again
    EXPECT_EQ(platform.information_boxes.size(), 1u);
}

TEST_F(CoreTest, SaveAndExportAreOfferedAndSearchButtonsFollowTheFrame) {
    testing::FakeMovie ev;
    ev.frames = 10;
    ev.events = {3};
    AddMovie("/m/ev.avi", 1, ev);
    Start({"/m/ev.avi"});
    for (const char* n : {"SaveCurrent1", "SaveCurrent2", "Extract1", "PopupMenu2", "SaveStart",
                          "SaveEnd", "SaveSegment1"})
        EXPECT_TRUE(Enabled(n)) << n << " offered for a camera AVI";
    // The search and event buttons follow the frame on screen; Stop Search only a running search.
    auto search_buttons = [&](bool backward, bool forward, bool events_back, bool events_on) {
        EXPECT_EQ(Enabled("sbSearchBackward"), backward);
        EXPECT_EQ(Enabled("sbSearchForward"), forward);
        EXPECT_EQ(Enabled("sbPrevEvent"), events_back);
        EXPECT_EQ(Enabled("sbNextEvent"), events_on);
        EXPECT_FALSE(Enabled("sbStopSearch"));
    };
    search_buttons(false, false, false, false);  // playing
    logic.Timer1Timer();
    logic.sbPauseClick();
    search_buttons(true, true, true, true);
    logic.tbWhereEnter();
    logic.tbWhereChange(9);
    EXPECT_TRUE(Enabled("sbSearchBackward"));
    EXPECT_FALSE(Enabled("sbSearchForward"));
    logic.sbStopClick();
    search_buttons(false, false, true, true);  // stopping offers both event buttons
    EXPECT_TRUE(Enabled("sbForward"));
}

TEST_F(CoreTest, WindowComesBackOnTheScreenItWasSavedOn) {
    logic.FormCreate({});
    const std::vector<Rect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}};
    logic.ui().window = {2000, 40, 1104, 752};  // on the second screen
    logic.FormShow(screens);
    EXPECT_EQ(logic.ui().window, (Rect{2000, 40, 1104, 752}));
    logic.ui().window = {5000, 40, 1104, 752};  // on a screen that is gone
    logic.FormShow(screens);
    EXPECT_EQ(logic.ui().window, (Rect{4, 4, 1104, 752}));
    logic.ui().window = {2500, 40, 1104, 752};  // hangs over the second screen's right edge
    logic.FormShow(screens);
    EXPECT_EQ(logic.ui().window, (Rect{1924, 40, 1104, 752}));
}

}  // namespace
}  // namespace qv::app

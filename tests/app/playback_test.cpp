// The playback engine through the main window's handlers: speed, timer ticks across movie and
// playlist ends, stepping, seeking and which transport buttons are enabled.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "player_harness.h"

namespace qv::app {
namespace {

using testing::FakeAviReader;
using testing::FakeMovie;
using testing::FakePlatform;

TEST(SpeedToTimer, ExamplesWithMeasuredDisplayTimes) {
    struct Case {
        int speed, last_show, period, step, interval;
    } cases[] = {{30, 100, 33, 3, 100},   {15, 100, 66, 1, 100}, {5, 100, 200, 1, 200},
                 {1, 100, 1000, 1, 1000}, {30, 40, 33, 1, 40},   {20, 40, 50, 1, 50},
                 {30, -1, 33, 3, 100}};
    for (const Case& c : cases) {
        TPlayState s;
        s.nFrmRate = c.speed;
        s.nLastShowMs = c.last_show;
        SpeedToTimer(s);
        EXPECT_EQ(s.nFramePeriodMs, c.period) << c.speed;
        EXPECT_EQ(s.nStep, c.step) << c.speed << " " << c.last_show;
        EXPECT_EQ(s.nTimerMs, c.interval) << c.speed << " " << c.last_show;
    }
    TPlayState stopped;
    stopped.nFrmRate = 0;
    stopped.nStep = 4;
    SpeedToTimer(stopped);
    EXPECT_EQ(stopped.nStep, 0);
    EXPECT_EQ(stopped.nDirection, 0);
}

TEST(SpeedToTimer, HeaderSpeedsAreLimitedAndScaleZeroDoesNotDivide) {
    EXPECT_EQ(HeaderSpeed(10, 1), 10);
    EXPECT_EQ(HeaderSpeed(1, 5), 0);  // rate below scale: no advance until the user moves the bar
    EXPECT_EQ(HeaderSpeed(5000, 1), 30);
    EXPECT_EQ(HeaderSpeed(12, 0), 12);
    EXPECT_EQ(HeaderSpeed(-20, 1), 0);
}

class PlayerTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    int Frame() const { return reader.CurrentFrame(); }
    const std::string& OpenPath() const { return logic.movie().szPath; }
};

TEST_F(PlayerTest, SpeedBarEndsAndTimerFollowTheBar) {
    AddMovie("/m/a.avi", 1);
    Start({"/m/a.avi"});
    logic.tbRateChange(0);
    EXPECT_EQ(logic.play().nFrmRate, 30);
    EXPECT_EQ(logic.ui()["lblRate"].text, "30");
    logic.tbRateChange(29);
    EXPECT_EQ(logic.play().nFrmRate, 1);
    EXPECT_EQ(platform.timer_ms, std::max(1000, logic.play().nLastShowMs));
    EXPECT_TRUE(platform.timer_enabled);
}

TEST_F(PlayerTest, OpeningTakesSpeedFromHeaderAndChoosesZoomOnce) {
    FakeMovie big;
    big.width = 1280;
    big.height = 1024;
    big.rate = 20;
    big.scale = 2;
    AddMovie("/m/big.AVI", 1, big);
    AddMovie("/m/small.avi", 2);
    Start({"/m/big.AVI", "/m/small.avi"});
    EXPECT_EQ(logic.movie().nType, kAvi);
    EXPECT_EQ(logic.play().nFrmRate, 10);
    EXPECT_EQ(logic.ui()["tbRate"].position, 20);
    EXPECT_EQ(logic.zoom(), 50);
    EXPECT_EQ(logic.ui().status[4], "Zoom = 0.50");
    EXPECT_EQ(logic.ui().status[1], "1280x1024");
    EXPECT_EQ(logic.ui().status[2], "Frames = 10");
    EXPECT_EQ(logic.ui().caption, "big.AVI");
    logic.bSkipClick();
    EXPECT_EQ(OpenPath(), "/m/small.avi");
    EXPECT_EQ(logic.zoom(), 50);  // only the first movie of the run picks the zoom
    // ... but the image takes the new movie's size at that zoom.
    EXPECT_EQ(logic.ui()["Image1"].rect.width, 32);
    EXPECT_EQ(logic.ui()["Image1"].rect.height, 24);
}

TEST_F(PlayerTest, PlayingForwardRunsThroughThePlaylistAndWraps) {
    FakeMovie three;
    three.frames = 3;
    three.rate = 30;
    AddMovie("/m/a.avi", 300, three);
    AddMovie("/m/b.avi", 100, three);
    AddMovie("/m/c.avi", 200, three);
    Start({"/m/a.avi", "/m/b.avi", "/m/c.avi"});
    ASSERT_EQ(OpenPath(), "/m/b.avi");  // the oldest plays first
    logic.tbRateChange(20);             // 10 fps: one frame per tick
    ASSERT_EQ(logic.play().nStep, 1);
    std::vector<std::string> seen;
    for (int i = 0; i < 12; ++i) {
        logic.Timer1Timer();
        seen.push_back(OpenPath().substr(3) + ":" + std::to_string(Frame()));
    }
    const std::vector<std::string> expected = {"b.avi:1", "b.avi:2", "c.avi:0", "c.avi:1",
                                               "c.avi:2", "a.avi:0", "a.avi:1", "a.avi:2",
                                               "b.avi:0", "b.avi:1", "b.avi:2", "c.avi:0"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(logic.ui().status[3], "Frame 1");
    EXPECT_EQ(logic.ui().playlist_selected, 1);
}

TEST_F(PlayerTest, SingleEntryRestartsAtFrameZero) {
    FakeMovie two;
    two.frames = 2;
    AddMovie("/m/only.avi", 1, two);
    Start({"/m/only.avi"});
    logic.Timer1Timer();
    EXPECT_EQ(Frame(), 1);
    logic.Timer1Timer();
    EXPECT_EQ(Frame(), 0);
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_EQ(reader.opened.size(), 2u);
}

TEST_F(PlayerTest, PlayingBackwardEntersThePreviousMovieFromItsEnd) {
    FakeMovie five;
    five.frames = 5;
    AddMovie("/m/first.avi", 1, five);
    AddMovie("/m/second.avi", 2, five);
    Start({"/m/first.avi", "/m/second.avi"});
    logic.sbBackwardClick();
    EXPECT_FALSE(Enabled("sbBackward"));
    EXPECT_TRUE(Enabled("sbForward"));
    logic.Timer1Timer();  // frame 0 of the first entry: wraps to the last entry, past its end
    EXPECT_EQ(OpenPath(), "/m/second.avi");
    EXPECT_EQ(Frame(), 5);
    logic.Timer1Timer();
    EXPECT_EQ(Frame(), 4);
    EXPECT_EQ(reader.decoded.back(), 4);
}

TEST_F(PlayerTest, SpeedZeroHoldsThePictureAndResumesInTheSameDirection) {
    FakeMovie five;
    five.frames = 5;
    AddMovie("/m/a.avi", 1, five);
    Start({"/m/a.avi"});
    logic.sbBackwardClick();
    logic.tbRateChange(29);
    logic.tbRateChange(30);  // speed 0
    const size_t opens = reader.opened.size();
    for (int i = 0; i < 3; ++i)
        logic.Timer1Timer();
    EXPECT_EQ(reader.opened.size(), opens);  // the movie is not reopened tick after tick
    EXPECT_EQ(Frame(), 0);
    logic.tbRateChange(20);
    logic.Timer1Timer();
    EXPECT_EQ(logic.play().nDirection, -1);
    EXPECT_EQ(OpenPath(), "/m/a.avi");
    EXPECT_EQ(Frame(), 5);  // wrapped backward to the end of the (only) entry
}

TEST_F(PlayerTest, ButtonsAfterStartPauseStopStepAndSeek) {
    FakeMovie four;
    four.frames = 4;
    AddMovie("/m/a.avi", 1, four);
    Start({"/m/a.avi"});
    // Playing forward.
    EXPECT_FALSE(Enabled("sbForward"));
    EXPECT_TRUE(Enabled("sbBackward"));
    EXPECT_TRUE(Enabled("sbPause"));
    EXPECT_TRUE(Enabled("sbStop"));
    EXPECT_FALSE(Enabled("sbNext"));
    EXPECT_FALSE(Enabled("sbPrevious"));
    EXPECT_TRUE(logic.ui()["pbWhere"].visible);
    EXPECT_FALSE(logic.ui()["tbWhere"].visible);
    EXPECT_EQ(logic.ui()["pnlWhere"].rect.height, 16);

    logic.Timer1Timer();
    logic.sbPauseClick();  // paused on frame 1
    EXPECT_FALSE(logic.play().bPlaying);
    EXPECT_FALSE(platform.timer_enabled);
    EXPECT_TRUE(logic.ui()["tbWhere"].visible);
    EXPECT_EQ(logic.ui()["pnlWhere"].rect.height, 32);
    EXPECT_FALSE(Enabled("sbPause"));
    for (const char* n : {"sbPrevious", "sbBackward", "sbNext", "sbForward"})
        EXPECT_TRUE(Enabled(n)) << n;

    logic.sbNextClick();
    logic.sbNextClick();  // last frame
    EXPECT_EQ(Frame(), 3);
    EXPECT_FALSE(Enabled("sbNext"));

    logic.tbWhereEnter();
    logic.tbWhereChange(0);
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(Enabled("sbPrevious"));
    EXPECT_FALSE(Enabled("sbBackward"));
    EXPECT_TRUE(Enabled("sbNext"));
    logic.tbWhereChange(3);
    EXPECT_FALSE(Enabled("sbNext"));
    EXPECT_FALSE(Enabled("sbForward"));
    EXPECT_TRUE(Enabled("sbPrevious"));
    EXPECT_EQ(reader.decoded.back(), 3);
    logic.tbWhereExit();
    logic.tbWhereChange(1);  // without the focus a change is not a seek
    EXPECT_EQ(Frame(), 3);

    logic.sbStopClick();
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(logic.ui()["tbWhere"].position, 0);
    EXPECT_FALSE(Enabled("sbStop"));
    EXPECT_FALSE(Enabled("sbPrevious"));
    EXPECT_TRUE(Enabled("sbNext"));
    EXPECT_TRUE(Enabled("sbForward"));
}

TEST_F(PlayerTest, SteppingAcrossMovieBoundaries) {
    FakeMovie three;
    three.frames = 3;
    AddMovie("/m/a.avi", 1, three);
    AddMovie("/m/b.avi", 2, three);
    Start({"/m/a.avi", "/m/b.avi"});
    logic.sbPauseClick();
    // Back from frame 0 of the first entry: stays, and the back buttons go off.
    logic.sbPreviousClick();
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(Enabled("sbPrevious"));
    EXPECT_FALSE(Enabled("sbBackward"));
    logic.sbNextClick();
    logic.sbNextClick();
    logic.sbNextClick();  // past the last frame: first frame of the next entry
    EXPECT_EQ(OpenPath(), "/m/b.avi");
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(logic.play().bPlaying);
    logic.sbPreviousClick();  // back into the last frame of the previous entry
    EXPECT_EQ(OpenPath(), "/m/a.avi");
    EXPECT_EQ(Frame(), 2);
    EXPECT_EQ(logic.ui().status[3], "Frame 3");
    EXPECT_EQ(logic.ui().playlist_selected, 0);
}

TEST_F(PlayerTest, KeysStepOnlyWhenTheirButtonIsEnabled) {
    FakeMovie three;
    three.frames = 3;
    AddMovie("/m/a.avi", 1, three);
    Start({"/m/a.avi"});
    logic.FormKeyPress('+');  // playing: sbNext is disabled
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(logic.FormKeyUp(39));
    logic.sbPauseClick();
    logic.FormKeyPress('+');
    EXPECT_EQ(Frame(), 1);
    EXPECT_TRUE(logic.FormKeyUp(39));
    EXPECT_EQ(Frame(), 2);
    EXPECT_TRUE(logic.FormKeyUp(37));
    logic.FormKeyPress('-');
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(logic.FormKeyUp(37));  // sbPrevious is off on the first frame
    EXPECT_FALSE(logic.FormKeyUp(65));
}

TEST_F(PlayerTest, ABadFrameKeepsThePreviousPicture) {
    FakeMovie m;
    m.frames = 4;
    m.bad_frames = {2};
    AddMovie("/m/a.avi", 1, m);
    Start({"/m/a.avi"});
    logic.Timer1Timer();
    const uint64_t serial = logic.ui().picture_serial;
    logic.Timer1Timer();  // frame 2 fails to decode
    EXPECT_EQ(logic.ui().picture_serial, serial);
    EXPECT_EQ(logic.movie().pPicture.pixels[0], 1);
    EXPECT_EQ(logic.ui().status[3], "Frame 3");
    logic.Timer1Timer();
    EXPECT_EQ(logic.movie().pPicture.pixels[0], 3);
}

TEST_F(PlayerTest, FailedOpensAreReportedWithoutEndingThePlayer) {
    FakeMovie empty;
    empty.frames = 0;
    empty.open_result = -1;
    AddMovie("/m/empty.avi", 1, empty);
    platform.created["/m/missing.avi"] = 2;
    AddMovie("/m/good.avi", 3);
    platform.created["/m/clip.tkm"] = 4;
    Start({"/m/empty.avi", "/m/missing.avi", "/m/good.avi", "/m/clip.tkm"});
    EXPECT_EQ(platform.messages, std::vector<int>{kMsgNoFrames});
    EXPECT_EQ(platform.quits, 0);
    EXPECT_EQ(logic.movie().nType, kNone);
    for (const char* n : {"sbForward", "sbBackward", "sbNext", "sbPrevious", "sbStop", "sbPause"})
        EXPECT_FALSE(Enabled(n)) << n;
    logic.bSkipClick();
    EXPECT_EQ(platform.messages.back(), kMsgNotFound);
    logic.bSkipClick();
    EXPECT_EQ(logic.movie().nType, kAvi);
    EXPECT_TRUE(logic.play().bPlaying);
    logic.bSkipClick();
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    EXPECT_EQ(platform.error_boxes[0], "Error: Error opening /m/clip.tkm");
    EXPECT_EQ(logic.movie().nType, kNone);
    EXPECT_EQ(logic.ui().picture, nullptr);
    EXPECT_EQ(platform.quits, 0);
    EXPECT_TRUE(logic.OpenMovie("/m/good.avi", 2));
    EXPECT_FALSE(logic.OpenMovie("/m/notes.txt", 0));
    EXPECT_EQ(platform.messages.back(), kMsgUnknownFormat);
    // A header claiming a picture beyond 4096 a side says so instead of "File Not Found".
    FakeMovie huge;
    huge.width = 8000;
    huge.open_result = -6;
    AddMovie("/m/huge.avi", 5, huge);
    EXPECT_FALSE(logic.OpenMovie("/m/huge.avi", 0));
    EXPECT_EQ(platform.error_boxes.back(),
              "Error: huge.avi: the picture size 8000x48 is beyond what the player shows (1 to "
              "4096 a side)");
    EXPECT_EQ(platform.messages.back(), kMsgUnknownFormat);
}

TEST_F(PlayerTest, EventRecordingShowsEventButtonsAndNumbers) {
    FakeMovie ev;
    ev.frames = 40;
    ev.events = {10, 20, 30};
    AddMovie("/m/ev.avi", 1, ev);
    AddMovie("/m/plain.avi", 2);
    Start({"/m/ev.avi", "/m/plain.avi"});
    EXPECT_EQ(logic.ui()["pnlPlayCtrl"].rect.width, logic.ui()["sbNextEvent"].rect.Right() + 5);
    EXPECT_EQ(logic.ui()["lblCapIntervalTitle"].text, "Shutdown Delay");
    logic.sbPauseClick();
    logic.tbWhereEnter();
    logic.tbWhereChange(9);
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "1 of 4");
    EXPECT_EQ(logic.ui()["lblElapsedTimeTitle"].text, "Event Number");
    logic.tbWhereChange(20);
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "3 of 4");
    logic.bSkipClick();
    EXPECT_EQ(logic.ui()["pnlPlayCtrl"].rect.width, logic.ui()["sbForward"].rect.Right() + 5);
    EXPECT_EQ(logic.ui()["lblCapIntervalTitle"].text, "Capture Interval");
    // In another interface language these English-only titles are not written: they keep what
    // they read.
    logic.language().SetActiveLanguage(4);
    logic.bPreviousClick();
    EXPECT_EQ(logic.ui()["lblCapIntervalTitle"].text, "Capture Interval");
}

TEST_F(PlayerTest, ElapsedTimeFromCaptureClockOrFrameNumber) {
    FakeMovie clocked;
    clocked.frames = 5;
    clocked.has_clock = true;
    clocked.interval_ms = 1500;
    AddMovie("/m/a.avi", 1, clocked);
    FakeMovie slow;
    slow.frames = 5;
    slow.scale = 3600;
    slow.rate = 3600;
    AddMovie("/m/b.avi", 2, slow);
    Start({"/m/a.avi", "/m/b.avi"});
    logic.Timer1Timer();
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "0:00:01");
    logic.Timer1Timer();  // 2 x 1500 ms summed
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "0:00:03");
    logic.bSkipClick();
    EXPECT_EQ(logic.ui()["lblCapInterval"].text, "01:00:00");
    logic.Timer1Timer();
    EXPECT_EQ(logic.ui()["lblElapsedTime"].text, "1:00:00");
}

}  // namespace
}  // namespace qv::app

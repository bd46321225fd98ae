// The .m4v and .tkm branches of the player: the .tkm ring paced by a sound device that finishes
// buffers only when told, underruns, the end of the stream, stepping and seeking by intra
// pictures, and the .m4v's timer play without stepping back or seeking.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "player_harness.h"

namespace qv::app {
namespace {

using testing::FakeStream;

class StreamPlayerTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    void Start(const std::string& path, FakeStream s = {}) {
        stream.streams[path] = s;
        platform.created[path] = 1;
        PlayerHarness::Start({path});
    }
    // The value the fake paints picture i with.
    static uint8_t Shown(const MainWindowLogic& l) {
        return l.ui().picture ? l.ui().picture->pixels[0] : 0;
    }
    TkmMovieSource& tkm() { return logic.tkm_source(); }
    // Finishes the oldest buffer in the device and answers its notice on the window's thread.
    void FinishBuffer() {
        ASSERT_TRUE(sound.last->CompleteOne());
        logic.WmAudioNotice();
    }
};

TEST_F(StreamPlayerTest, TkmRingShowsSlotOneThenThePictureDecodedSixCallsEarlier) {
    Start("/m/a.tkm");
    ASSERT_EQ(logic.movie().nType, kTkm);
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_FALSE(platform.timer_enabled);  // the sound paces a .tkm
    EXPECT_FALSE(logic.ui()["gbPlayList"].visible);
    EXPECT_EQ(stream.decoded, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Shown(logic), 2);  // slot 1: the second picture
    EXPECT_EQ(tkm().RingWrite(), 0);
    EXPECT_EQ(tkm().RingShow(), 2);
    for (int slot = 0; slot < 7; ++slot)
        EXPECT_EQ(tkm().RingAudio(slot), 540) << slot;
    // Five slots prefilled from 8 x 540 bytes, three handed to the device.
    EXPECT_EQ(sound.last->written.size(), 3u);

    for (int call = 1; call <= 10; ++call) {
        logic.WmNextTkmPicture();
        EXPECT_EQ(stream.decoded.back(), 7 + call);
        EXPECT_EQ(Shown(logic), 2 + call) << "call " << call;  // decoded six calls before
    }
    EXPECT_EQ(tkm().TkmCount(), 10);
    EXPECT_EQ(logic.movie().nLastGood[0], 18 * 4);
    EXPECT_EQ(logic.movie().nLastGood[1], 17 * 4);
}

TEST_F(StreamPlayerTest, FinishedBuffersMoveTheSoundAndAdvanceThePicturesByItsBytes) {
    Start("/m/a.tkm");
    const uint64_t first = logic.ui().picture_serial;
    // Each finished buffer moves at most 512 bytes on; a picture carries 540.
    int buffers = 0;
    while (logic.ui().picture_serial < first + 5 && buffers < 40) {
        FinishBuffer();
        ++buffers;
    }
    EXPECT_EQ(logic.ui().picture_serial, first + 5);
    EXPECT_EQ(Shown(logic), 2 + 5);
    EXPECT_GE(buffers, 5 * 540 / 512);
    EXPECT_LE(buffers, 5 * 540 / 512 + 2);
    EXPECT_EQ(platform.wakes, buffers);  // every notice woke the window's thread once
    EXPECT_EQ(tkm().Audio().LastSubmitResult(), audio::WaveResult::Ok);
}

TEST_F(StreamPlayerTest, UnderrunRestartsTheSound) {
    FakeStream s;
    s.audio_bytes = 100;  // eight pictures fill one slot: the device soon runs dry
    Start("/m/a.tkm", s);
    ASSERT_EQ(sound.last->written.size(), 1u);
    FinishBuffer();  // the next slot is empty: an underrun, answered in the same drain
    // The ring is refilled from slot 1 and the sound starts again.
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_TRUE(tkm().Audio().IsPlaying());
    EXPECT_GE(stream.decoded.size(), 8u + 7u);
    EXPECT_EQ(sound.last->written.size(), 2u);
    EXPECT_EQ(tkm().RingShow(), 2);
}

TEST_F(StreamPlayerTest, SoundStartsAgainOnlyWhenTheDeviceHasFinishedItsBuffers) {
    Start("/m/a.tkm");
    ASSERT_EQ(sound.last->queued.size(), 3u);
    logic.sbPauseClick();
    logic.sbForwardClick();  // the three buffers still play: their slots must not be refilled
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_EQ(sound.last->written.size(), 3u);
    FinishBuffer();
    FinishBuffer();
    EXPECT_EQ(sound.last->written.size(), 3u);
    FinishBuffer();  // the device is empty: the sound starts
    EXPECT_EQ(sound.last->written.size(), 6u);
    EXPECT_TRUE(tkm().Audio().IsPlaying());
}

TEST_F(StreamPlayerTest, TkmEndOfStreamStopsRewindsAndTellsTheDiagnostics) {
    FakeStream s;
    s.pictures = 10;
    Start("/m/a.tkm", s);
    logic.diagnostics().visible = true;
    while (logic.play().bPlaying)
        logic.WmNextTkmPicture();
    EXPECT_EQ(Shown(logic), 1);  // rewound to the first picture
    EXPECT_EQ(logic.movie().nPosKB, 0);
    EXPECT_FALSE(Enabled("sbStop"));
    EXPECT_TRUE(Enabled("sbForward"));
    const std::vector<std::string> tail(logic.diagnostics().lines.end() - 5,
                                        logic.diagnostics().lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Stopped", "Def, filt = 7", "DC,  filt = 2",
                                              "Last 2 good at:", "0x24, 0x28"}));
    // Started again from the rewound stream, the ring begins at the first picture.
    logic.sbForwardClick();
    EXPECT_EQ(Shown(logic), 2);
    // Cleared, the window has its playlist back.
    logic.bClearPlayListClick();
    EXPECT_TRUE(logic.ui()["gbPlayList"].visible);
    EXPECT_EQ(logic.tkm_source().Audio().IsOpen(), false);
}

TEST_F(StreamPlayerTest, TkmStepsAndSeeksByIntraPictures) {
    FakeStream s;
    s.pictures = 200;  // 800 KiB: the seek bar has 50 steps of 16 KiB
    Start("/m/a.tkm", s);
    logic.sbPauseClick();
    EXPECT_TRUE(logic.ui()["tbWhere"].visible);
    EXPECT_EQ(logic.ui()["tbWhere"].maximum, 50);
    EXPECT_TRUE(Enabled("sbPrevious"));
    EXPECT_FALSE(Enabled("sbBackward"));
    logic.tbWhereEnter();
    logic.tbWhereChange(20);  // 320 KiB: intra picture 80
    EXPECT_EQ(Shown(logic), 81);
    EXPECT_EQ(logic.movie().nPosKB, 81 * 4);
    logic.tbWhereChange(40);  // within the last 16 steps: nothing
    EXPECT_EQ(Shown(logic), 81);
    logic.tbWhereExit();
    logic.sbNextClick();  // the next intra picture after 325 KiB: picture 90 at 360 KiB
    EXPECT_EQ(logic.movie().nPosKB, 360);
    EXPECT_EQ(Shown(logic), 91);
    EXPECT_EQ(logic.ui()["tbWhere"].position, 360 / 16);
    logic.sbPreviousClick();  // two intra pictures back: 70, decoded on from there
    EXPECT_EQ(Shown(logic), 71);
    EXPECT_EQ(logic.movie().nPosKB, 71 * 4);
    // Playing on resumes from there: slots 1 to 7 are refilled.
    logic.sbForwardClick();
    EXPECT_EQ(stream.decoded.back(), 77);
    EXPECT_EQ(Shown(logic), 72);
}

TEST_F(StreamPlayerTest, ShortTkmHasNoSeekStepsAndPauseOnStopKeepsThePicture) {
    FakeStream s;
    s.pictures = 3;  // 12 KiB
    Start("/m/a.tkm", s);
    EXPECT_EQ(logic.ui()["tbWhere"].maximum, 0);
    logic.diagnostics().bTKMPauseOnStop = true;
    const uint8_t shown = Shown(logic);
    const int pos = logic.movie().nPosKB;
    logic.sbStopClick();
    EXPECT_EQ(Shown(logic), shown);
    EXPECT_EQ(logic.movie().nPosKB, pos);
    EXPECT_TRUE(Enabled("sbStop"));
}

TEST_F(StreamPlayerTest, TkmWithTooLittleSoundToPaceItsPicturesStops) {
    FakeStream s;
    s.audio_bytes = 10;  // the ring's eight pictures hold less than one buffer
    Start("/m/a.tkm", s);
    EXPECT_FALSE(logic.play().bPlaying);
    EXPECT_EQ(Shown(logic), 1);
    EXPECT_TRUE(Enabled("sbForward"));
    EXPECT_FALSE(Enabled("sbPause"));
}

TEST_F(StreamPlayerTest, TkmThatDoesNotOpenIsReported) {
    platform.created["/m/gone.tkm"] = 1;
    logic.FormCreate({"/m/gone.tkm"});
    logic.FormShow(1920, 1080);
    EXPECT_EQ(platform.error_boxes, std::vector<std::string>{"Error: Error opening /m/gone.tkm"});
    EXPECT_EQ(logic.movie().nType, kNone);
    EXPECT_FALSE(Enabled("sbForward"));
}

TEST_F(StreamPlayerTest, M4vPlaysOnTheTimerForwardOnlyAndPausesWhereItBreaks) {
    FakeStream s;
    s.pictures = 6;
    s.fail_at = 4;
    Start("/m/a.m4v", s);
    ASSERT_EQ(logic.movie().nType, kM4v);
    EXPECT_EQ(platform.timer_ms, 66);
    EXPECT_TRUE(platform.timer_enabled);
    EXPECT_EQ(Shown(logic), 1);  // the first picture is on screen at once
    EXPECT_EQ(logic.ui().status[3], "Frame 1");
    EXPECT_TRUE(logic.ui()["gbPlayList"].visible);
    EXPECT_FALSE(logic.ui()["gbStats"].visible);
    EXPECT_FALSE(Enabled("sbBackward"));
    logic.Timer1Timer();
    EXPECT_EQ(Shown(logic), 2);
    EXPECT_EQ(logic.ui().status[3], "Frame 2");
    logic.Timer1Timer();
    logic.Timer1Timer();
    logic.Timer1Timer();  // picture 4 breaks
    EXPECT_FALSE(logic.play().bPlaying);
    EXPECT_EQ(logic.ui().status[4], "Last 2 good at = 0xc, 0x10");
    EXPECT_FALSE(Enabled("sbPrevious"));
    EXPECT_TRUE(Enabled("sbNext"));
    EXPECT_TRUE(Enabled("sbForward"));
    EXPECT_FALSE(logic.ui()["tbWhere"].visible);  // no seeking
    logic.tbWhereEnter();
    logic.tbWhereChange(3);
    EXPECT_EQ(Shown(logic), 4);
    logic.diagnostics().visible = true;
    logic.sbStopClick();
    EXPECT_EQ(Shown(logic), 1);
    EXPECT_EQ(logic.ui().status[3], "Frame 1");
    EXPECT_EQ(logic.diagnostics().lines.front(), "Stopped");
    EXPECT_FALSE(Enabled("sbStop"));
    EXPECT_TRUE(Enabled("sbNext"));
}

TEST_F(StreamPlayerTest, MixedPlaylistGoesOnFromAnAviIntoTheStreams) {
    testing::FakeMovie two;
    two.frames = 2;
    AddMovie("/m/1.avi", 1, two);
    stream.streams["/m/2.m4v"] = {};
    platform.created["/m/2.m4v"] = 2;
    PlayerHarness::Start({"/m/2.m4v", "/m/1.avi"});
    ASSERT_EQ(logic.movie().nType, kAvi);
    logic.Timer1Timer();
    logic.Timer1Timer();  // past the AVI's end: the .m4v made after it
    EXPECT_EQ(logic.movie().nType, kM4v);
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_EQ(Shown(logic), 1);
    EXPECT_EQ(logic.ui()["ScrollBox1"].rect.width, 1096 - (281 + 16));
    EXPECT_LE(logic.ui()["ScrollBox1"].rect.Right(), logic.ui()["gbPlayList"].rect.left);
}

}  // namespace
}  // namespace qv::app

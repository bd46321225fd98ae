// The search and event commands over a playlist of real recordings: where each ends, what it
// shows, and how it goes on into neighbouring movies.
#include <gtest/gtest.h>

#include "search/search_logic.h"
#include "search_fixture.h"

namespace qv::search {
namespace {

using testing::PlaylistHost;
using testing::Scene;
using testing::WriteScene;

class CommandTest : public ::testing::Test {
  protected:
    // Opens entry `open` of the playlist of scenes.
    void Playlist(const std::vector<Scene>& scenes, int open) {
        for (size_t i = 0; i < scenes.size(); ++i) {
            // Appended in steps: gcc 12 takes "literal" + to_string(...) for an overlapping copy.
            std::string name = "m";
            name += std::to_string(i);
            name += ".avi";
            host.files.push_back(WriteScene(name, scenes[i]));
        }
        ASSERT_TRUE(host.Open(open));
    }
    PlaylistHost host{{}};
    int threshold = 50;
    SearchLogic logic{host, threshold};
};

TEST_F(CommandTest, ForwardSearchGoesOnThroughThePlaylistToTheFind) {
    Playlist({{.frames = 6}, {.frames = 8, .steps = {{5, 40}}}}, 0);
    logic.sbSearchForwardClick();
    EXPECT_EQ(host.index, 1);
    EXPECT_EQ(host.shown, 5);
    EXPECT_EQ(logic.nSearchMessage, 3);
    EXPECT_EQ(threshold, 20);  // read from the field
    EXPECT_TRUE(logic.bSearchMode);
    EXPECT_EQ(logic.nSearchDirection, 1);
    EXPECT_EQ(host.log.back(), "pause");
}

TEST_F(CommandTest, SearchWithoutMotionEndsOnTheLastFrameOfTheLastMovie) {
    Playlist({{.frames = 5}, {.frames = 7}}, 0);
    logic.sbSearchForwardClick();
    EXPECT_EQ(host.index, 1);
    EXPECT_EQ(host.shown, 6);
    EXPECT_EQ(logic.nSearchMessage, 0);
    EXPECT_TRUE(logic.bSearchMode);  // stays on until Stop Search
    logic.sbStopSearchClick();
    EXPECT_FALSE(logic.bSearchMode);
    EXPECT_EQ(logic.nSearchDirection, 0);
}

TEST_F(CommandTest, BackwardFromFrameOneContinuesAtTheEndOfThePreviousMovie) {
    Playlist({{.frames = 8, .steps = {{3, 40}}}, {.frames = 6, .steps = {{0, 0}}}}, 1);
    host.movie.AviSetFrame(1);
    logic.sbSearchBackwardClick();
    // The walk 1 -> 0 decodes frame 1 only; the previous movie is walked from its last frame.
    EXPECT_EQ(host.loaded.front(), 1);
    EXPECT_EQ(host.loaded[1], 7);
    EXPECT_EQ(host.index, 0);
    EXPECT_EQ(host.shown, 2);  // frame 2 differs from frame 3 walking down
    EXPECT_EQ(logic.nSearchDirection, -1);
    // Without a find the backward search ends on frame 0 of the first movie.
    host.loaded.clear();
    host.movie.AviSetFrame(2);
    logic.sbSearchBackwardClick();
    EXPECT_EQ(host.shown, 0);
    EXPECT_EQ(logic.nSearchMessage, 0);
}

TEST_F(CommandTest, ThresholdZeroIsRefusedWithoutTouchingTheSearch) {
    Playlist({{.frames = 5}}, 0);
    host.threshold = "  0x";
    logic.sbSearchForwardClick();
    EXPECT_EQ(host.log, (std::vector<std::string>{"refuse", "pause"}));
    EXPECT_FALSE(logic.bSearchMode);
    EXPECT_TRUE(host.loaded.empty());
    EXPECT_EQ(ReadThreshold(" -12abc"), -12);
    EXPECT_EQ(ReadThreshold("99999999999"), INT32_MAX);
}

TEST_F(CommandTest, StopSearchOnAOneStepWalkDoesNotGoOnIntoTheNextMovie) {
    // A one-frame movie is walked in one step: its only frame is loaded, nothing compared.
    Playlist({{.frames = 3}, {.frames = 1}, {.frames = 6, .steps = {{3, 40}}}}, 0);
    host.on_frame = [this](int) {
        if (host.index == 1) logic.sbStopSearchClick();
    };
    logic.sbSearchForwardClick();
    EXPECT_EQ(host.index, 1);
    EXPECT_FALSE(logic.bSearchMode);
}

TEST_F(CommandTest, EventNavigationSkipsTheCurrentFrameAndNeverStopsOnFrameZero) {
    Playlist({{.frames = 10, .events = {0, 4}}, {.frames = 10, .events = {2, 7}}}, 1);
    host.movie.AviSetFrame(2);
    logic.sbNextEventClick(false);  // the event at the current frame is not found again
    EXPECT_EQ(host.shown, 7);
    logic.sbNextEventClick(false);  // none after 7 here or in later movies: the last frame
    EXPECT_EQ(host.shown, 9);
    host.movie.AviSetFrame(2);
    logic.sbPrevEventClick(false);  // nothing before 2 here: the previous movie, from its end
    EXPECT_EQ(host.index, 0);
    EXPECT_EQ(host.shown, 4);
    logic.sbPrevEventClick(false);  // frame 0 is never the find: it is shown as the end
    EXPECT_EQ(host.shown, 0);
    EXPECT_FALSE(logic.bSearchMode);
}

TEST_F(CommandTest, PirSeekFindsWhereTheTriggerComesOnInTheWalkingDirection) {
    Playlist({{.frames = 12, .pir = {4, 5, 6}}}, 0);
    logic.sbNextEventClick(true);
    EXPECT_EQ(host.shown, 4);
    host.movie.AviSetFrame(10);
    logic.sbPrevEventClick(true);  // walking down, the trigger comes on at 6
    EXPECT_EQ(host.shown, 6);
}

TEST_F(CommandTest, AFailedOpenEndsTheCommandWithTheTransportDisabled) {
    Playlist({{.frames = 4}}, 0);
    host.files.push_back("/nonexistent/m.avi");
    logic.sbSearchForwardClick();
    EXPECT_EQ(host.log.back(), "disable");
}

}  // namespace
}  // namespace qv::search

// The playlist: order by creation time, duplicates, the size limit, the selection while playing,
// the playlist buttons and the open dialog.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "player_harness.h"

namespace qv::app {
namespace {

using testing::FakeAviReader;
using testing::FakePlatform;

TEST(Playlist, OrderByCreationTimeNewBeforeEqualAndDuplicatesIgnored) {
    TPlaylist list;
    EXPECT_EQ(list.Add("/d/ten.avi", 1000, false), 0);
    EXPECT_EQ(list.Add("/d/nine.avi", 900, false), 0);
    EXPECT_EQ(list.Add("/d/also_ten.avi", 1000, false), 1);  // before the entry of equal time
    EXPECT_EQ(list.Add("/d/ten.avi", 5, false), -1);         // the same path again
    EXPECT_EQ(list.Add("/other/ten.avi", 1100, false), 3);   // same name, other folder
    EXPECT_EQ(list.Add("/d/TEN.avi", 1200, false), 4);       // paths compare case-sensitively
    const std::vector<std::string> rows = {"nine.avi", "also_ten.avi", "ten.avi", "ten.avi",
                                           "TEN.avi"};
    EXPECT_EQ(list.Rows(), rows);
    EXPECT_EQ(list[2].szPath, "/d/ten.avi");
}

TEST(Playlist, HoldsAThousandEntriesAndWrapsAtBothEnds) {
    TPlaylist list;
    for (int i = 0; i < 1000; ++i)
        ASSERT_GE(list.Add("/f/" + std::to_string(i) + ".avi", i, false), 0);
    EXPECT_EQ(list.Add("/f/late.avi", 5000, false), -1);
    EXPECT_EQ(list.nCount(), 1000);
    EXPECT_EQ(list.Wrap(1000), 0);
    EXPECT_EQ(list.Wrap(-1), 999);
    EXPECT_EQ(list.Wrap(7), 7);
}

TEST(Playlist, SelectionFollowsThePlayingEntryWhenOlderFilesArrive) {
    TPlaylist list;
    list.Add("/a.avi", 50, false);
    list.nCurrent = 0;
    list.Add("/older.avi", 10, true);
    EXPECT_EQ(list.nCurrent, 1);
    list.Add("/newer.avi", 90, true);
    EXPECT_EQ(list.nCurrent, 1);
    list.Add("/oldest.avi", 1, false);  // not playing: the index stays
    EXPECT_EQ(list.nCurrent, 1);
}

TEST(Playlist, ExtensionsAndNames) {
    EXPECT_TRUE(IsAcceptedExtension(".avi"));
    EXPECT_TRUE(IsAcceptedExtension(".AVI"));
    EXPECT_TRUE(IsAcceptedExtension(".M4v"));
    EXPECT_TRUE(IsAcceptedExtension(".tkm"));
    EXPECT_FALSE(IsAcceptedExtension(".jpg"));
    EXPECT_FALSE(IsAcceptedExtension(""));
    EXPECT_EQ(ExtensionOf("/d.x/movie"), "");
    EXPECT_EQ(ExtensionOf("/d/movie.tar.avi"), ".avi");
    EXPECT_EQ(BaseNameOf("/d/clip01.avi"), "clip01");
    EXPECT_EQ(FileNameOf("C:\\cam\\clip01.avi"), "clip01.avi");
}

class PlaylistWindowTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    PlaylistWindowTest() { Start({}); }
    void Movie(const std::string& path, int64_t created) { AddMovie(path, created); }
};

TEST_F(PlaylistWindowTest, OpenDialogReplacesTheListAndPlaysTheOldestFile) {
    Movie("/cam/made_at_10.avi", 10 * 3600);
    Movie("/cam/made_at_9.avi", 9 * 3600);
    platform.dialog_result = {"/cam/made_at_10.avi", "/cam/made_at_9.avi", "/cam/readme.txt"};
    logic.Open1Click();
    EXPECT_EQ(platform.last_dialog.file_name, "*.avi");
    EXPECT_TRUE(platform.last_dialog.multi_select);
    EXPECT_EQ(logic.ui().playlist_rows,
              (std::vector<std::string>{"made_at_9.avi", "made_at_10.avi"}));
    EXPECT_EQ(logic.movie().szPath, "/cam/made_at_9.avi");
    EXPECT_TRUE(logic.play().bPlaying);
    EXPECT_EQ(logic.entry_base_name(), "made_at_9");

    platform.dialog_result.clear();  // cancelled: nothing changes
    logic.Open1Click();
    EXPECT_EQ(logic.playlist().nCount(), 2);
}

TEST_F(PlaylistWindowTest, DroppedFilesExtendTheListAndKeepThePlayingSelection) {
    Movie("/cam/b.avi", 200);
    logic.FilesDropped({"/cam/b.avi"});
    ASSERT_TRUE(logic.play().bPlaying);
    Movie("/cam/a.avi", 100);
    logic.FilesDropped({"/cam/a.avi", "/cam/b.avi"});
    EXPECT_EQ(logic.playlist().nCount(), 2);
    EXPECT_EQ(logic.playlist().nCurrent, 1);
    EXPECT_EQ(logic.ui().playlist_selected, 1);
    EXPECT_EQ(logic.movie().szPath, "/cam/b.avi");
    EXPECT_EQ(reader.opened.size(), 1u);  // still the same movie, not reopened
}

TEST_F(PlaylistWindowTest, PreviousAndNextBeepAtTheEnds) {
    Movie("/cam/a.avi", 1);
    Movie("/cam/b.avi", 2);
    logic.FilesDropped({"/cam/a.avi", "/cam/b.avi"});
    logic.bPreviousClick();
    EXPECT_EQ(platform.beeps, 1);
    logic.bSkipClick();
    EXPECT_EQ(logic.movie().szPath, "/cam/b.avi");
    logic.bSkipClick();
    EXPECT_EQ(platform.beeps, 2);
    logic.bPreviousClick();
    EXPECT_EQ(logic.movie().szPath, "/cam/a.avi");
    logic.lbPlayListDblClick(1);
    EXPECT_EQ(logic.movie().szPath, "/cam/b.avi");
}

TEST_F(PlaylistWindowTest, ClearEmptiesEverythingAndPlayingNothingIsHarmless) {
    Movie("/cam/a.avi", 1);
    logic.FilesDropped({"/cam/a.avi"});
    logic.bClearPlayListClick();
    EXPECT_EQ(logic.playlist().nCount(), 0);
    EXPECT_EQ(logic.movie().nType, kNone);
    EXPECT_EQ(logic.ui().status[0], "[none]");
    EXPECT_EQ(logic.ui().status[1], "");
    EXPECT_EQ(logic.ui().caption, "[none]");
    EXPECT_FALSE(logic.ui()["Image1"].visible);
    EXPECT_TRUE(logic.ui()["EmbedTimestamp1"].enabled);
    EXPECT_TRUE(logic.ui().playlist_rows.empty());
    EXPECT_FALSE(logic.ui()["sbForward"].enabled);
    logic.PlayEntry(0);  // an empty list has nothing to play
    logic.lbPlayListDblClick(-1);
    logic.bSkipClick();
    EXPECT_EQ(logic.movie().nType, kNone);
}

TEST_F(PlaylistWindowTest, PathUnderThePointer) {
    Movie("/cam/a.avi", 1);
    Movie("/cam/b.avi", 2);
    logic.FilesDropped({"/cam/a.avi", "/cam/b.avi"});
    logic.lbPlayListMouseMove(30, 20, 238, 78, 13, 0);
    EXPECT_EQ(logic.ui()["lblFilePath"].text, "/cam/b.avi");
    logic.lbPlayListMouseMove(30, 5, 238, 78, 13, 1);
    EXPECT_EQ(logic.ui()["lblFilePath"].text, "/cam/b.avi");
    logic.lbPlayListMouseMove(30, 40, 238, 78, 13, 0);  // row 3: no entry
    EXPECT_EQ(logic.ui()["lblFilePath"].text, "");
    logic.lbPlayListMouseMove(230, 20, 238, 78, 13, 0);  // within 16 pixels of the right edge
    EXPECT_EQ(logic.ui()["lblFilePath"].text, "");
    logic.lbPlayListMouseMove(30, 20, 238, 78, 13, 0);
    logic.lbPlayListExit();
    EXPECT_EQ(logic.ui()["lblFilePath"].text, "");
    EXPECT_EQ(logic.ui().hint_pause_ms, 500);
    EXPECT_EQ(logic.ui().hint_hide_ms, 2500);
}

}  // namespace
}  // namespace qv::app

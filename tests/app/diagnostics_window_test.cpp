// The diagnostics window's commands in the player: its keys in the settings file, the breakpoint
// stopping a playing movie, the switches reaching the decoders, the .tkm restart and saving the
// list.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "player_harness.h"

namespace qv::app {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class DiagnosticsWindowTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    DiagnosticsCommands& commands() { return logic.diagnostics_commands(); }
    diag::DiagnosticsLogic& diag() { return logic.diagnostics(); }
};

// Starts a player on a settings file and closes it again; returns the file as it was left.
std::string RunWithSettings(const std::string& text, diag::DiagnosticsLogic* seen = nullptr) {
    const std::string path = ::testing::TempDir() + "diag_settings.ini";
    std::ofstream(path) << text;
    testing::FakePlatform platform;
    testing::FakeAviReader reader;
    testing::FakeStreamMedia stream;
    audio::testing::FakeDevices sound;
    MainWindowLogic logic(platform, platform, {reader, stream, sound}, path);
    logic.FormCreate({});
    if (seen) *seen = logic.diagnostics();
    logic.FormClose();
    return ReadText(path);
}

TEST(DiagnosticsSettings, SwitchesAreReadOnlyWithShowDiagsAndWrittenBackAsTheyStand) {
    const std::string flags =
        "[settings]\ng_bShowBadFrames=1\nbReportAllFrames=1\nbCheckSpuriousEOI=7\n";
    diag::DiagnosticsLogic seen;
    std::string saved = RunWithSettings("[window]\nnDiagWinX=-1\nnDiagWinY=300\n" + flags, &seen);
    EXPECT_FALSE(seen.visible);
    EXPECT_FALSE(seen.decoder.cbCheckSpuriousEOI);
    for (const char* line : {"g_bShowBadFrames=0", "bReportAllFrames=0", "bCheckSpuriousEOI=0",
                             "nDiagWinX=40", "nDiagWinY=300"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;

    saved = RunWithSettings("[window]\nShowDiags=1\n" + flags, &seen);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.g_bShowBadFrames && seen.bReportAllFrames && seen.decoder.cbCheckSpuriousEOI);
    EXPECT_NE(saved.find("bCheckSpuriousEOI=1"), std::string::npos);
}

TEST_F(DiagnosticsWindowTest, LumaBreakpointStopsPlayOnTheFrameThatJumps) {
    testing::FakeMovie m;
    m.lumas = {100, 104, 108, 140, 141, 142};
    AddMovie("/m/a.avi", 1, m);
    Start({"/m/a.avi"});
    logic.sbPauseClick();
    logic.Diagnostics1Click();
    diag().rgBreakpointClick(diag::kBreakLumaChange, "", "10");
    logic.sbForwardClick();
    for (int i = 0; i < 5 && logic.play().bPlaying; ++i)
        logic.Timer1Timer();
    EXPECT_FALSE(logic.play().bPlaying);
    EXPECT_EQ(logic.ui().status[3], "Frame 4");
    EXPECT_EQ(diag().values.lblLuma, "140");
    EXPECT_TRUE(Enabled("sbForward"));
}

TEST_F(DiagnosticsWindowTest, OpenedFromTheMenuItWritesTheFrameDump) {
    reader.metadata.diag_present = true;
    AddMovie("/m/a.avi", 1);
    Start({"/m/a.avi"});
    logic.sbPauseClick();
    diag().bShowTimes = true;
    logic.sbNextClick();
    EXPECT_TRUE(diag().lines.empty());
    logic.Diagnostics1Click();
    EXPECT_TRUE(diag().visible);
    logic.sbNextClick();
    ASSERT_FALSE(diag().lines.empty());
    EXPECT_EQ(diag().lines.front(), "--- Frame 2 -----");
}

TEST_F(DiagnosticsWindowTest, SwitchesReachBothDecodersAndTheMethodFollowsTheMenu) {
    commands().cbForceBWClick(true);
    commands().cbCheckSpuriousEOIClick(true);
    EXPECT_TRUE(reader.switches.cbForceBW && reader.switches.cbCheckSpuriousEOI);
    EXPECT_TRUE(stream.force_grey);
    commands().rgDeBlockMethodClick(1);
    EXPECT_EQ(logic.deblock_method(), 1);
    EXPECT_EQ(stream.deblock_method, 1);
    EXPECT_TRUE(logic.ui()["Deblock1"].checked);
    commands().rgDeBlockMethodClick(0);
    EXPECT_FALSE(logic.ui()["Deblock1"].checked);
}

TEST_F(DiagnosticsWindowTest, TkmRestartRewindsOnlyAPausedTkm) {
    stream.streams["/m/a.tkm"] = {};
    platform.created["/m/a.tkm"] = 1;
    Start({"/m/a.tkm"});
    diag().visible = true;
    commands().bTKMRestartClick();  // playing: nothing
    EXPECT_TRUE(diag().lines.empty());
    logic.sbPauseClick();
    ASSERT_GT(logic.movie().nPosKB, 0);
    commands().bTKMRestartClick();
    EXPECT_EQ(logic.movie().nPosKB, 0);
    ASSERT_EQ(diag().lines.size(), 3u);
    EXPECT_EQ(diag().lines[0], "Stopped");
}

TEST_F(DiagnosticsWindowTest, DoubleClickSavesTheListOrSaysWhyNot) {
    diag().visible = true;
    diag().AddLine("--- Frame 1 -----");
    diag().AddLine("    3: 00001300");
    platform.save_result = ::testing::TempDir() + "diag.log";
    commands().ListBox1DblClick();
    ASSERT_EQ(platform.save_requests.size(), 1u);
    const std::string& proposed = platform.save_requests[0].file_name;
    EXPECT_EQ(proposed.substr(proposed.size() - 4), ".log");
    EXPECT_EQ(ReadText(platform.save_result), "--- Frame 1 -----\n    3: 00001300\n");
    platform.save_result = ::testing::TempDir() + "no/such/folder/diag.log";
    commands().ListBox1DblClick();
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    EXPECT_NE(platform.error_boxes[0].find("no/such/folder"), std::string::npos);
}

}  // namespace
}  // namespace qv::app

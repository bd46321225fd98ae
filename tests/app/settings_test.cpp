// The settings file: profile semantics of the INI reader and writer, the atomic write, where the
// file lives, and the keys the main window reads at start and writes at close.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ini_file.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "audio/audio_fakes.h"
#include "fakes.h"

namespace qv::app {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class TempDir {
  public:
    TempDir() {
        char tmpl[] = "/tmp/qv_settings_XXXXXX";
        path_ = mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

TEST(IniFile, ProfileRulesForReading) {
    IniFile ini;
    ini.Parse(
        "; comment\r\n[Settings]\r\nnZoom=200\r\n NFRMRATE = -7 \r\nbad=x12\r\n"
        "big=99999999999\r\nlead=12abc\r\n[window]\r\nnMainWinX=+15\r\n");
    EXPECT_EQ(ini.GetInt("settings", "nzoom", 100), 200);
    EXPECT_EQ(ini.GetInt("SETTINGS", "nFrmRate", 0), -7);
    EXPECT_EQ(ini.GetInt("settings", "bad", 4), 4);
    EXPECT_EQ(ini.GetInt("settings", "big", 0), 2147483647);
    EXPECT_EQ(ini.GetInt("settings", "lead", 0), 12);
    EXPECT_EQ(ini.GetInt("window", "nMainWinX", -1), 15);
    EXPECT_EQ(ini.GetInt("window", "nZoom", 100), 100);  // keys belong to their section
    EXPECT_EQ(ini.GetInt("missing", "nZoom", 3), 3);
}

TEST(IniFile, WritingKeepsOtherSectionsKeysAndSpelling) {
    IniFile ini;
    ini.Parse("[extraction]\nfirst=1\n\n[Settings]\n; the user's note\nNZoom=50\nother=abc\n");
    ini.PutInt("settings", "nZoom", 200);
    ini.PutInt("settings", "nFrmRate", 12);
    ini.PutInt("window", "nMainWinX", -1);
    EXPECT_EQ(ini.Text(),
              "[extraction]\r\nfirst=1\r\n\r\n[Settings]\r\n; the user's note\r\nNZoom=200\r\n"
              "other=abc\r\nnFrmRate=12\r\n[window]\r\nnMainWinX=-1\r\n");
    IniFile again;
    again.Parse(ini.Text());
    EXPECT_EQ(again.GetInt("settings", "nzoom", 0), 200);
    EXPECT_EQ(again.GetInt("window", "nMainWinX", 0), -1);
}

TEST(IniFile, AtomicSaveReplacesTheFileAndFailureKeepsTheOldOne) {
    TempDir dir;
    const fs::path file = dir / "qvplay.ini";
    IniFile ini;
    ini.PutInt("settings", "nZoom", 50);
    ASSERT_TRUE(ini.SaveAtomically(file.string()));
    EXPECT_EQ(ReadText(file), "[settings]\r\nnZoom=50\r\n");
    EXPECT_FALSE(fs::exists(dir / "qvplay.ini.tmp"));
    ini.PutInt("settings", "nZoom", 100);
    std::string error;
    EXPECT_FALSE(ini.SaveAtomically((dir / "no_such_dir" / "qvplay.ini").string(), &error));
    EXPECT_FALSE(error.empty());
    // A read-only folder (for a user other than root) cannot take the temporary file; the old
    // settings file must survive the failed write untouched.
    if (geteuid() != 0) {
        chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(ini.SaveAtomically(file.string()));
        chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(ReadText(file), "[settings]\r\nnZoom=50\r\n");
    }
}

TEST(SettingsLocation, BesideTheExecutableOrInTheConfigFolder) {
    EXPECT_EQ(SettingsPathFor("/opt/qv/qvplay", true, nullptr, "/home/u"), "/opt/qv/qvplay.ini");
    EXPECT_EQ(SettingsPathFor("/opt/q.v/qvplay.exe", true, nullptr, "/home/u"),
              "/opt/q.v/qvplay.ini");
    EXPECT_EQ(SettingsPathFor("/usr/bin/qvplay", false, "/xdg", "/home/u"),
              "/xdg/qvplay/qvplay.ini");
    EXPECT_EQ(SettingsPathFor("/usr/bin/qvplay", false, nullptr, "/home/u"),
              "/home/u/.config/qvplay/qvplay.ini");
    EXPECT_EQ(SettingsPathFor("/usr/bin/qvplay", false, "relative", "/home/u"),
              "/home/u/.config/qvplay/qvplay.ini");
    EXPECT_EQ(SettingsPathFor("/usr/bin/qvplay", false, nullptr, nullptr), "");
}

// Records every key asked for or written, in order.
class RecordingStore : public ProfileStore {
  public:
    int GetInt(const std::string& section, const std::string& key, int def) const override {
        reads.push_back(section + "/" + key + "=" + std::to_string(def));
        return def;
    }
    void PutInt(const std::string& section, const std::string& key, int value) override {
        writes.push_back(section + "/" + key + "=" + std::to_string(value));
    }
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
};

TEST(PlayerSettings, KeysReadInStartOrderWithTheirDefaults) {
    RecordingStore store;
    ReadPlayerSettings(store);
    const std::vector<std::string> expected = {"window/nMainWinX=-1",
                                               "window/nMainWinY=-1",
                                               "window/nMainWinWidth=-1",
                                               "window/nMainWinHeight=-1",
                                               "settings/nFrmRate=0",
                                               "settings/nZoom=100",
                                               "settings/nMotionThreshold=50",
                                               "window/ShowDiags=0",
                                               "settings/bShowExpo=0",
                                               "settings/ShowDiags=0",
                                               "settings/nInt1=1",
                                               "settings/nInt2=2",
                                               "settings/nInt3=5",
                                               "settings/nAVIQuant=2",
                                               "settings/nFlicker=0",
                                               "settings/cDrive=67",
                                               "settings/wCamMode=0",
                                               "settings/g_bEmbedTime=0",
                                               "settings/nResolution0=0",
                                               "settings/nResolution1=0",
                                               "settings/nResolution2=0",
                                               "settings/nResolution3=0",
                                               "settings/g_nDeblockMethod=2",
                                               "settings/TestLanguage=0",
                                               "settings/g_nExportMode=0",
                                               "settings/bShowTimes=0",
                                               "settings/bDumpRTCData=0"};
    EXPECT_EQ(store.reads, expected);
}

TEST(PlayerSettings, DiagnosticsSwitchFallsBackToTheWindowSection) {
    IniFile ini;
    ini.Parse("[window]\nShowDiags=1\n");
    EXPECT_EQ(ReadPlayerSettings(ini).nShowDiags, 1);
    ini.Parse("[window]\nShowDiags=1\n[settings]\nShowDiags=0\n");
    EXPECT_EQ(ReadPlayerSettings(ini).nShowDiags, 0);
}

TEST(PlayerSettings, KeysWrittenAtCloseInOrder) {
    RecordingStore store;
    PlayerSettings s;
    s.nFrmRate = 12;
    s.cDrive = 'E';
    WritePlayerSettings(store, s);
    const std::vector<std::string> expected = {"window/nMainWinX=-1",
                                               "window/nMainWinY=-1",
                                               "window/nMainWinWidth=-1",
                                               "window/nMainWinHeight=-1",
                                               "settings/bShowExpo=0",
                                               "settings/bShowTimes=0",
                                               "settings/bDumpRTCData=0",
                                               "settings/nFrmRate=12",
                                               "settings/nZoom=100",
                                               "settings/nMotionThreshold=50",
                                               "settings/nInt1=1",
                                               "settings/nInt2=2",
                                               "settings/nInt3=5",
                                               "settings/nAVIQuant=2",
                                               "settings/nFlicker=0",
                                               "settings/nResolution0=0",
                                               "settings/nResolution1=0",
                                               "settings/nResolution2=0",
                                               "settings/nResolution3=0",
                                               "settings/cDrive=69",
                                               "settings/wCamMode=0",
                                               "settings/g_bEmbedTime=0",
                                               "settings/g_nDeblockMethod=2",
                                               "settings/g_nExportMode=0"};
    EXPECT_EQ(store.writes, expected);
}

TEST(PlayerSettings, StartWithoutFileThenCloseWhilePlayingSavesTheSpeed) {
    TempDir dir;
    const std::string path = (dir / "qvplay.ini").string();
    testing::FakePlatform platform;
    testing::FakeAviReader reader;
    testing::FakeStreamMedia stream;
    audio::testing::FakeDevices sound;
    reader.movies["/m/a.avi"] = {};
    {
        MainWindowLogic logic(platform, platform, {reader, stream, sound}, path);
        logic.FormCreate({"/m/a.avi"});
        EXPECT_EQ(logic.play().nFrmRate, 0);
        EXPECT_EQ(logic.zoom(), 100);
        EXPECT_EQ(logic.ui()["edtMotionThreshold"].text, "50");
        EXPECT_TRUE(logic.ui()["Deblock1"].checked);
        EXPECT_EQ(logic.ui().window, (Rect{0, 0, 1104, 752}));
        logic.FormResize(1096, 702);
        logic.FormShow(1920, 1080);
        logic.tbRateChange(7);
        ASSERT_TRUE(logic.play().bPlaying);
        logic.FormClose();
        EXPECT_FALSE(logic.play().bPlaying);
        EXPECT_EQ(platform.waited_ms, 1100);
    }
    IniFile saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.GetInt("settings", "nFrmRate", -99), 23);
    EXPECT_EQ(saved.GetInt("settings", "nZoom", -99), 100);
    EXPECT_EQ(saved.GetInt("window", "nMainWinWidth", -99), 1104);
    EXPECT_EQ(saved.Find("settings", "ShowDiags"), nullptr);

    // The next start takes the speed and the window back, and keeps keys it does not know.
    saved.PutInt("extraction", "nFirst", 5);
    saved.PutInt("window", "nMainWinX", 30);
    saved.PutInt("settings", "g_bEmbedTime", 1);
    saved.PutInt("settings", "g_nDeblockMethod", 0);
    ASSERT_TRUE(saved.SaveAtomically(path));
    MainWindowLogic next(platform, platform, {reader, stream, sound}, path);
    next.FormCreate({});
    EXPECT_EQ(next.play().nFrmRate, 23);
    EXPECT_EQ(next.ui()["tbRate"].position, 7);
    EXPECT_EQ(next.ui()["lblRate"].text, "23");
    EXPECT_EQ(next.ui().window.left, 30);
    EXPECT_TRUE(next.ui()["EmbedTimestamp1"].checked);
    EXPECT_FALSE(next.ui()["Deblock1"].checked);
    next.Deblock1Click();
    EXPECT_EQ(next.deblock_method(), 2);
    next.Exit1Click();
    EXPECT_EQ(platform.quits, 1);
    IniFile last;
    ASSERT_TRUE(last.Load(path));
    EXPECT_EQ(last.GetInt("extraction", "nFirst", 0), 5);
    EXPECT_EQ(last.GetInt("settings", "g_nDeblockMethod", 0), 2);
}

TEST(PlayerSettings, WindowIsPulledBackOntoASmallScreen) {
    testing::FakePlatform platform;
    testing::FakeAviReader reader;
    testing::FakeStreamMedia stream;
    audio::testing::FakeDevices sound;
    MainWindowLogic logic(platform, platform, {reader, stream, sound}, "");
    logic.FormCreate({});
    logic.FormShow(1024, 600);
    EXPECT_EQ(logic.ui().window, (Rect{4, 4, 1016, 564}));
}

}  // namespace
}  // namespace qv::app

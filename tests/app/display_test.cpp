// Zoom, layout, the statistics texts, the stamped timestamp and the movie information panel.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/movie_info_fit.h"
#include "app/movie_info.h"
#include "app/overlay_text.h"
#include "app/stamp.h"
#include "app/zoom.h"
#include "player_harness.h"

namespace qv::app {
namespace {

TEST(Zoom, TextsAndClickCycle) {
    EXPECT_EQ(ZoomText(0), "Zoom = Variable");
    EXPECT_EQ(ZoomText(50), "Zoom = 0.50");
    EXPECT_EQ(ZoomText(100), "Zoom = 1");
    EXPECT_EQ(ZoomText(200), "Zoom = 2");
    EXPECT_EQ(ZoomText(250), "Zoom = 2");
    EXPECT_EQ(NextClickZoom(50), 100);
    EXPECT_EQ(NextClickZoom(100), 200);
    EXPECT_EQ(NextClickZoom(200), 50);
    EXPECT_EQ(NextClickZoom(0), 0);
    EXPECT_EQ(NextClickZoom(75), 75);
}

TEST(Zoom, ImageSizeAndPlace) {
    int w = 0, h = 0;
    ZoomedImageSize(100, 0, 0, 500, 400, w, h);  // nothing opened yet
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    ZoomedImageSize(200, 1280, 720, 500, 400, w, h);
    EXPECT_EQ(w, 2560);
    EXPECT_EQ(h, 1440);
    ZoomedImageSize(50, 1281, 1023, 0, 0, w, h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 511);
    EXPECT_EQ(CenteredImage(100, 320, 240, 729, 573), (Rect{204, 166, 320, 240}));
    EXPECT_EQ(CenteredImage(200, 2560, 1440, 729, 573), (Rect{0, 0, 2560, 1440}));
    EXPECT_EQ(CenteredImage(100, 700, 1000, 729, 573), (Rect{14, 0, 700, 1000}));
    EXPECT_EQ(CenteredImage(0, 1, 1, 729, 573), (Rect{0, 0, 729, 573}));
}

TEST(Layout, AviPanelsForAClientSize) {
    UiState ui;
    BuildMainWindowDesign(ui);
    LayoutPanels(ui, LayoutKind::Avi, 1096, 702);
    EXPECT_EQ(ui["ScrollBox1"].rect, (Rect{4, 4, 733, 577}));
    EXPECT_EQ(ui["pnlPlayCtrl"].rect.top, 585);
    EXPECT_EQ(ui["pnlPlayCtrl"].rect.left, 733 / 2 - 261 / 2 + 4);
    EXPECT_EQ(ui["gbSeek"].rect.top, 622);
    EXPECT_EQ(ui["gbSeek"].rect.width, 733);
    EXPECT_EQ(ui["pnlWhere"].rect.width, 725);
    EXPECT_EQ(ui["gbPlayRate"].rect, (Rect{737, 4, 73, 577}));
    EXPECT_EQ(ui["lblRate"].rect.left, 737);
    EXPECT_EQ(ui["lblRate"].rect.top, 585);
    EXPECT_EQ(ui["gbStats"].rect.left, 814);
    EXPECT_EQ(ui["gbMotion"].rect.left, 939);
    EXPECT_EQ(ui["gbMotion"].rect.Right(), 1096 - 4);
    EXPECT_EQ(ui["gbPlayList"].rect, (Rect{814, 201, 281, 200}));
    EXPECT_EQ(ui["gbMovieInfo"].rect.top, 401);
    EXPECT_EQ(ui["lbPlayList"].rect.height, 200 - 24 - 73 - 13 - 12);
    EXPECT_EQ(ui["lblFilePath"].rect.top, 24 + 78 + 4);
    EXPECT_EQ(ui["pnlPLControls"].rect.top, 106 + 13 + 4);
    EXPECT_EQ(ui["StatusBar1"].rect, (Rect{0, 683, 1096, 19}));
}

TEST(Layout, LowWindowShrinksThePlaylistAndStreamsWidenThePicture) {
    UiState ui;
    BuildMainWindowDesign(ui);
    // The playlist keeps its least height and the movie information ends above the status bar.
    LayoutPanels(ui, LayoutKind::Avi, 800, 380);
    EXPECT_EQ(ui["gbPlayList"].rect.height, 150);
    EXPECT_EQ(ui["gbMovieInfo"].rect.Bottom(), ui["StatusBar1"].rect.top);
    LayoutPanels(ui, LayoutKind::Avi, 800, 560);
    EXPECT_EQ(ui["gbPlayList"].rect.height, 560 - 201 - 177 - 19);
    EXPECT_EQ(ui["gbMovieInfo"].rect.height, 177);
    LayoutPanels(ui, LayoutKind::Stream, 1000, 600);
    EXPECT_EQ(ui["ScrollBox1"].rect.width, 1000 - 281 - 16);
    LayoutPanels(ui, LayoutKind::StreamWithSound, 1000, 600);
    EXPECT_EQ(ui["ScrollBox1"].rect.width, 984);
    EXPECT_EQ(ui["ScrollBox1"].rect.height, 600 - 33 - 57 - 19 - 16);
}

TEST(Layout, MovieInfoColumnsWidenForTheirTextsAndThePictureGivesWay) {
    UiState ui;
    BuildMainWindowDesign(ui);
    // A wide font: 9 pixels a character, 10 in bold.
    const TextWidth width = [](const std::string& t, bool bold) {
        return static_cast<int>(t.size()) * (bold ? 10 : 9);
    };
    MovieInfoFit fit;
    ui.SetText(ctl::lblCamModel, "KMX310Plus");
    ui.SetText(ctl::lblMode, "Timelapse");
    ui.SetText(ctl::lblHDRRange, "Medium");
    EXPECT_TRUE(fit.Fit(ui, width));
    EXPECT_FALSE(fit.Fit(ui, width));  // nothing changed: nothing measured again
    auto right = [&](const char* n) { return ui.At(n).rect.Right(); };
    EXPECT_LE(right("Label1"), ui["lblCamModel"].rect.left);
    EXPECT_GE(ui["lblCamModel"].rect.width, 100);
    EXPECT_LE(right("lblCamModel"), ui["pnlWDXInfo"].rect.left);
    EXPECT_LE(right("Label4"), ui["lblMode"].rect.left);
    EXPECT_LE(ui["pnlWDXInfo"].rect.left + right("lblMode"), right("gbMovieInfo"));
    EXPECT_GE(ui["lblHDRRange"].rect.width, 60);
    const int wider = ui["gbMovieInfo"].rect.width - kMovieInfoWidth;
    ASSERT_GT(wider, 0);
    LayoutPanels(ui, LayoutKind::Avi, 1096, 702);
    // The group keeps its designed right edge; the picture is narrower by what it gained.
    EXPECT_EQ(right("gbMovieInfo"), 814 + kMovieInfoWidth);
    EXPECT_EQ(ui["ScrollBox1"].rect.width, 733 - wider);
    EXPECT_EQ(ui["gbPlayList"].rect.width, ui["gbMovieInfo"].rect.width);
}

TEST(OverlayText, ElapsedEventsIntervalAndStampTexts) {
    EXPECT_EQ(FormatElapsed(0), "0:00:00");
    EXPECT_EQ(FormatElapsed(3599), "0:59:59");
    EXPECT_EQ(FormatElapsed(86399), "23:59:59");
    EXPECT_EQ(FormatElapsed(86400), "days: 1\n0:00:00");
    EXPECT_EQ(FormatElapsed(2 * 86400 + 3 * 3600 + 61), "days: 2\n3:01:01");
    const std::vector<int> events = {10, 20, 30};
    EXPECT_EQ(EventNumberText(events, 9), "1 of 4");
    EXPECT_EQ(EventNumberText(events, 10), "2 of 4");
    EXPECT_EQ(EventNumberText(events, 20), "3 of 4");
    EXPECT_EQ(EventNumberText(events, 99), "4 of 4");
    EXPECT_EQ(CaptureIntervalText(86400), "24:00:00");
    EXPECT_EQ(CaptureIntervalText(3725), "01:02:05");
    EXPECT_EQ(StampTextFor(160, "2012/03/01", "10:00:00"), "10:00:00");
    EXPECT_EQ(StampTextFor(161, "2012/03/01", "10:00:00"), "2012/03/01  10:00:00");
    EXPECT_EQ(ElapsedHundredthsText(360000 + 6000 * 2 + 300 + 4), "Elapsed:  1:02:03.04");
}

// The glyph rows as the font is documented, independent of the font table in the player.
std::vector<uint8_t> DocumentedGlyph(char c) {
    static const std::map<char, const char*> rows = {
        {'0', "5C 22 51 51 49 49 45 45 22 1D 00 00"}, {'1', "04 06 05 04 04 04 04 04 04 1F 00 00"},
        {'2', "1E 21 40 40 20 10 08 04 02 7F 00 00"}, {'3', "1C 22 41 40 40 3C 40 40 41 22 1C 00"},
        {'4', "10 18 14 12 11 3F 10 10 10 10 00 00"}, {'5', "7F 01 01 01 1F 20 40 40 20 1F 00 00"},
        {'6', "3E 41 01 01 3D 43 41 41 41 3E 00 00"}, {'7', "7F 40 40 20 20 10 10 08 08 04 00 00"},
        {'8', "3E 41 41 41 3E 41 41 41 41 3E 00 00"}, {'9', "3E 41 41 41 3E 40 40 41 41 3E 00 00"},
        {'/', "10 10 08 08 04 04 02 02 01 01 00 00"}, {':', "00 00 00 00 00 00 04 00 00 04 00 00"},
        {' ', "00 00 00 00 00 00 00 00 00 00 00 00"}};
    std::istringstream in(rows.at(c));
    std::vector<uint8_t> out;
    unsigned v;
    while (in >> std::hex >> v)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

Picture Filled(int w, int h, uint8_t value) {
    Picture p;
    p.Allocate(w, h);
    std::fill(p.pixels.begin(), p.pixels.end(), value);
    return p;
}

TEST(Stamp, PixelsMatchTheGlyphTableBitForBit) {
    const std::string text = "2012/03/01  09:45:58";
    Picture p = Filled(320, 40, 77);
    StampText(p, text);
    const int x0 = 320 - 10 * static_cast<int>(text.size());
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 320; ++x) {
            uint8_t want = 77;
            if (y >= 24) {
                want = 0;
                const int j = y - (40 - 14), n = (x - x0) / 10, k = (x - x0) % 10;
                if (j >= 0 && j < 12 && x >= x0 && k < 8)
                    want = (DocumentedGlyph(text[static_cast<size_t>(n)])[static_cast<size_t>(j)] >>
                            k) & 1
                               ? 255
                               : 0;
            }
            const uint8_t* px = p.Row(y) + x * 3;
            ASSERT_TRUE(px[0] == want && px[1] == want && px[2] == want)
                << "pixel " << x << "," << y << " is " << int(px[0]) << " want " << int(want);
        }
    }
}

TEST(Stamp, NarrowPicturesClipAndLowPicturesAreLeftAlone) {
    Picture narrow = Filled(40, 20, 9);
    StampText(narrow, "2012/03/01  09:45:58");  // starts at x = 8 and runs past the edge
    EXPECT_EQ(narrow.Row(19)[0], 0);
    const std::vector<uint8_t> two = DocumentedGlyph('2');
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(narrow.Row(6)[(8 + k) * 3], (two[0] >> k) & 1 ? 255 : 0) << k;
    EXPECT_EQ(narrow.Row(3)[0], 9);  // above the band untouched
    Picture low = Filled(64, 15, 9);
    StampText(low, "12:00:00");
    GreyBand(low);
    EXPECT_EQ(low.pixels, Filled(64, 15, 9).pixels);
}

TEST(Stamp, GreyBandColoursTheBottomRows) {
    Picture p = Filled(8, 20, 1);
    GreyBand(p);
    EXPECT_EQ(p.Row(3)[0], 1);
    for (int y = 4; y < 20; ++y) {
        EXPECT_EQ(p.Row(y)[21], 200);
        EXPECT_EQ(p.Row(y)[22], 208);
        EXPECT_EQ(p.Row(y)[23], 212);
    }
}

class MovieInfoTest : public ::testing::Test {
  protected:
    MovieInfoTest() { BuildMainWindowDesign(ui); }
    const std::string& Text(const char* n) { return ui.At(n).text; }
    bool Visible(const char* n) { return ui.At(n).visible; }
    UiState ui;
    CameraMetadata m;
};

TEST_F(MovieInfoTest, UnknownModelsHideTheGroup) {
    ui.Show("gbMovieInfo", true);
    m.nModel = 0;
    ShowMovieInfo(m, -1, ui);
    EXPECT_FALSE(Visible("gbMovieInfo"));
    ui.Show("gbMovieInfo", true);
    m.nModel = 5;
    ShowMovieInfo(m, -1, ui);
    EXPECT_FALSE(Visible("gbMovieInfo"));
}

TEST_F(MovieInfoTest, FirstModelSettings) {
    m.nModel = 1;
    m.nQuality = 1;
    m.nFlicker = 2;
    m.nScene = 1;
    m.nCustomExpo = 7;
    m.nTimerStart = 0;
    m.nTimerStop = 96;
    m.bLED = 1;
    m.szFWRev = "1.02b";
    ShowMovieInfo(m, -1, ui);
    EXPECT_TRUE(Visible("gbMovieInfo"));
    EXPECT_EQ(Text("lblCamModel"), "KMX310");
    EXPECT_EQ(Text("lblQuant"), "Better");
    EXPECT_EQ(Text("lblFlicker"), "60Hz");
    EXPECT_EQ(Text("lblScene"), "Night");
    EXPECT_EQ(Text("lblExpoTitle"), "Custom Expo");
    EXPECT_EQ(Text("lblCustomExpo"), "0");
    EXPECT_EQ(Text("lblSSStart"), "00:00");
    EXPECT_EQ(Text("lblSSStop"), "24:00");
    EXPECT_EQ(Text("lblLED"), "On");
    EXPECT_EQ(Text("lblTimeStamp"), "Off");
    EXPECT_EQ(Text("lblFW"), "1.02b");
    EXPECT_FALSE(Visible("pnlProInfo"));
    EXPECT_FALSE(Visible("pnlWDXInfo"));
    m.nCustomExpo = 9;
    m.nTimerStop = 0;
    ShowMovieInfo(m, -1, ui);
    EXPECT_EQ(Text("lblCustomExpo"), "+2");
    EXPECT_EQ(Text("lblSSStart"), "Disabled");
    EXPECT_EQ(Text("lblSSStop"), "Disabled");
}

TEST_F(MovieInfoTest, ProModelsShowTheirPanel) {
    m.nModel = 2;
    m.nScene = 6;
    m.nCustomExpo = 4;
    m.nTimerStart = 37;
    m.nTimerStop = 1;
    m.nWBMode = 6;
    m.nContrast = 4;
    m.nSharpness = 0;
    m.nSaturation = 6;
    m.nHDRRange = 1;
    ShowMovieInfo(m, -1, ui);
    EXPECT_EQ(Text("lblCamModel"), "KMX310Plus");
    EXPECT_EQ(Text("lblExpoTitle"), "Exposure");
    EXPECT_EQ(Text("lblScene"), "FireFly");
    EXPECT_EQ(Text("lblCustomExpo"), "-1");
    EXPECT_EQ(Text("lblSSStart"), "09:15");
    EXPECT_EQ(Text("lblSSStop"), "00:15");
    EXPECT_TRUE(Visible("pnlProInfo"));
    EXPECT_FALSE(Visible("pnlWDXInfo"));
    EXPECT_EQ(Text("lblWBMode"), "2800 Incandescent");
    EXPECT_EQ(Text("lblContrast"), "0");
    EXPECT_EQ(Text("lblSharpness"), "-2");
    EXPECT_EQ(Text("lblSaturation"), "+3");
    EXPECT_EQ(Text("lblHDRRange"), "Medium");
    m.nModel = 4;
    ShowMovieInfo(m, -1, ui);
    EXPECT_EQ(Text("lblCamModel"), "KMX130");
}

TEST_F(MovieInfoTest, WdxModelShowsModeAndPirControls) {
    m.nModel = 3;
    m.bPIR = 1;
    ShowMovieInfo(m, 0, ui);
    EXPECT_EQ(Text("lblCamModel"), "WDX310");
    for (const char* n : {"lblSceneTitle", "lblScene", "lblExpoTitle", "lblCustomExpo"})
        EXPECT_FALSE(Visible(n)) << n;
    EXPECT_TRUE(Visible("pnlWDXInfo"));
    EXPECT_FALSE(Visible("pnlProInfo"));
    EXPECT_EQ(Text("lblMode"), "Motion");
    EXPECT_EQ(Text("lblPIRTrigger"), "Yes");
    EXPECT_EQ(ui["lblPIRTrigger"].text_rgb, 0xFF0000u);
    EXPECT_TRUE(Visible("pnlSeek"));
    m.bPIR = 0;
    ShowMovieInfo(m, 1, ui);
    EXPECT_EQ(Text("lblMode"), "Timelapse");
    EXPECT_EQ(Text("lblPIRTrigger"), "No");
    EXPECT_EQ(ui["lblPIRTrigger"].text_rgb, 0u);
    EXPECT_FALSE(Visible("pnlSeek"));
    ShowMovieInfo(m, 7, ui);  // an unknown mode leaves the label as it was
    EXPECT_EQ(Text("lblMode"), "Timelapse");
    ShowMovieInfo(m, 2, ui);
    EXPECT_TRUE(Visible("pnlSeek"));
}

class DisplayWindowTest : public ::testing::Test, protected testing::PlayerHarness {};

TEST_F(DisplayWindowTest, ClickingThePictureCyclesTheZoomAndKeepsItCentred) {
    reader.movies["/m/a.avi"] = {};
    platform.created["/m/a.avi"] = 1;
    logic.FormCreate({"/m/a.avi"});
    logic.FormResize(1096, 702);
    logic.FormShow(1920, 1080);
    EXPECT_EQ(logic.zoom(), 100);
    EXPECT_EQ(logic.ui()["Image1"].rect, (Rect{(729 - 64) / 2, (573 - 48) / 2, 64, 48}));
    logic.Image1MouseDown(MouseButton::Left);
    EXPECT_EQ(logic.ui().status[4], "Zoom = 2");
    EXPECT_EQ(logic.ui()["Image1"].rect.width, 128);
    logic.Image1MouseDown(MouseButton::Right);
    EXPECT_EQ(logic.zoom(), 200);
    logic.Image1MouseDown(MouseButton::Left);
    EXPECT_EQ(logic.ui().status[4], "Zoom = 0.50");
    EXPECT_EQ(logic.ui()["Image1"].rect.height, 24);
    logic.Varzoom1Click();
    EXPECT_TRUE(logic.ui()["Image1"].fill_parent);
    EXPECT_EQ(logic.ui()["Image1"].rect, (Rect{0, 0, 729, 573}));
    logic.Image1MouseDown(MouseButton::Left);
    EXPECT_EQ(logic.zoom(), 0);
    logic.Zoom1X1Click();
    EXPECT_FALSE(logic.ui()["Image1"].fill_parent);
    EXPECT_EQ(logic.ui().status[4], "Zoom = 1");
}

TEST_F(DisplayWindowTest, StampedFramesCarryTheCaptureTime) {
    testing::FakeMovie m;
    m.width = 200;
    m.height = 40;
    reader.movies["/m/a.avi"] = m;
    reader.flags.IntervalAsap = true;
    logic.FormCreate({"/m/a.avi"});
    logic.EmbedTimestamp1Click();
    EXPECT_TRUE(logic.ui()["EmbedTimestamp1"].checked);
    logic.FormResize(1096, 702);
    logic.FormShow(1920, 1080);
    logic.Timer1Timer();
    const Picture& p = logic.movie().pPicture;
    EXPECT_EQ(logic.ui()["lblCapInterval"].text, "ASAP");
    EXPECT_EQ(logic.ui()["lblDate"].text, "2012/03/01");
    EXPECT_EQ(logic.ui()["lblTime"].text, "00:00:01");
    EXPECT_EQ(p.Row(0)[0], 1);   // the decoded frame above the band
    EXPECT_EQ(p.Row(24)[0], 0);  // the black band
    Picture expected;
    expected.Allocate(200, 40);
    std::fill(expected.pixels.begin(), expected.pixels.end(), 1);
    StampText(expected, "2012/03/01  00:00:01");
    EXPECT_EQ(p.pixels, expected.pixels);
}

}  // namespace
}  // namespace qv::app

namespace qv::app {
namespace {

class FrameDumpTest : public ::testing::Test {
  protected:
    FrameDumpTest() {
        view.visible = true;
        m.diag_present = true;
        const int fields[][2] = {{2, 300},  {4, 118}, {6, 1},   {8, 416},
                                 {12, 120}, {18, 50}, {22, 64}, {26, 1200}};
        for (const auto& [offset, value] : fields) {
            m.diag_block[static_cast<size_t>(offset)] = static_cast<uint8_t>(value & 0xff);
            m.diag_block[static_cast<size_t>(offset) + 1] = static_cast<uint8_t>(value >> 8);
        }
    }
    diag::DiagnosticsLogic view;
    CameraMetadata m;
};

TEST_F(FrameDumpTest, TimesWithJumpMarkAndExposureValuesInOrder) {
    view.bShowTimes = true;
    view.bShowExpo = true;
    // 2012-03-01 06:30:15.25, as hundredths since 2004.
    const int64_t t = 25764480000LL + (6 * 3600 + 30 * 60 + 15) * 100LL + 25;
    view.DumpFrame(1, m, t, 400);
    view.DumpFrame(2, m, t + 150, 1500);
    const std::vector<std::string> first(view.lines.begin(), view.lines.begin() + 10);
    const std::vector<std::string> expected = {
        "--- Frame 1 -----", "06:30:15.25",    "FrmInt =    400 MS", "CamRdy  =    1",
        "Lum     =  118",    "Target  =  120", "Expo    =  300",     "PhysExp = 1200",
        "Gain    =   64",    "Flicker =   50"};  // Vsyncs of 416 is left out
    EXPECT_EQ(first, expected);
    EXPECT_EQ(view.lines[10], "--- Frame 2 -----");
    EXPECT_EQ(view.lines[12], "FrmInt =   1500 MS ***");
    EXPECT_EQ(view.top_row, static_cast<int>(view.lines.size()) - 8);
}

TEST_F(FrameDumpTest, NothingWithoutTheWindowOrTheSegment) {
    view.bShowTimes = true;
    view.DumpFrame(5, m, 0, 400);
    EXPECT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(view.lines[2], "FrmInt =    400 MS");
    m.diag_present = false;
    view.DumpFrame(6, m, 0, 4000);
    view.visible = false;
    m.diag_present = true;
    view.DumpFrame(7, m, 0, 4000);
    view.ReportBadFrame(3, 10, 0x1234);
    EXPECT_EQ(view.lines.size(), 3u);
    view.visible = true;
    view.ReportBadFrame(3, 10, 0x1234);
    view.ReportBadFrame(10, 10, 0x1234);  // beyond the movie: not a frame of it
    EXPECT_EQ(view.lines.back(), "    4: 00001234");
    EXPECT_EQ(view.nBadFrames, 1);
    EXPECT_EQ(view.lblBadFrameCount, "1");
}

TEST_F(DisplayWindowTest, BadFramesAreListedWhileTheDiagnosticsWindowIsUp) {
    testing::FakeMovie movie;
    movie.frames = 5;
    movie.bad_frames = {2};
    reader.movies["/m/a.avi"] = movie;
    logic.FormCreate({"/m/a.avi"});
    logic.diagnostics().visible = true;
    logic.FormResize(1096, 702);
    logic.FormShow(1920, 1080);
    logic.Timer1Timer();
    logic.Timer1Timer();
    ASSERT_EQ(logic.diagnostics().lines.size(), 1u);
    EXPECT_EQ(logic.diagnostics().lines[0], "    3: 00001200");
}

}  // namespace
}  // namespace qv::app

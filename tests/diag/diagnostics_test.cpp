// The diagnostics window's state: the camera values with their "n/a" rules, the focus score over
// a luma plane, the breakpoint and the two ways of clearing the list.
#include <gtest/gtest.h>

#include <vector>

#include "diag/diagnostics_logic.h"

namespace qv::diag {
namespace {

TEST(CameraValues, UnsetValuesReadNotAvailableAndTablesFallBackToNumbers) {
    CameraMetadata m;
    CameraValueTexts t;
    DescribeCameraValues(m, t);
    for (const std::string* s : {&t.lblFPGARev, &t.lblAWBSamples, &t.lblRGBAvg, &t.lblRGBGain,
                                 &t.lblLuma, &t.lblRawExpo, &t.lblBatt, &t.lblBatt2})
        EXPECT_EQ(*s, "n/a");
    EXPECT_EQ(t.lblFRC, "0");
    EXPECT_EQ(t.lblWBMode, "Auto");

    m.nFPGARev = 0x1a2b;
    m.nRGBAvg = {7, 120, 255};
    m.nBatt2 = 4900;
    m.nExpType = 2;
    m.nDbgWBMode = 7;
    m.nTemp = 21;
    m.nTempUnit = 0x4300 | 'C';
    DescribeCameraValues(m, t);
    EXPECT_EQ(t.lblFPGARev, "0x1A2B");
    EXPECT_EQ(t.lblRGBAvg, "  7, 120, 255");
    EXPECT_EQ(t.lblBatt2, "4900");
    EXPECT_EQ(t.lblExpType, "Fast Semi");
    EXPECT_EQ(t.lblWBMode, "7");
    EXPECT_EQ(t.lblTemp, "21 C");
    m.nDbgWBMode = 6;
    m.nExpType = 9;
    DescribeCameraValues(m, t);
    EXPECT_EQ(t.lblWBMode, "2800 Incandescent");
    EXPECT_EQ(t.lblExpType, "9");
}

// A plane of vertical stripes: every horizontal neighbour pair differs by 10.
std::vector<uint8_t> Stripes(int stride, int rows) {
    std::vector<uint8_t> p(static_cast<size_t>(stride) * rows);
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = (i % static_cast<size_t>(stride)) % 2 ? 110 : 100;
    return p;
}

TEST(FocusScore, SumsNeighbourDifferencesInsideThePlaneOnly) {
    std::vector<uint8_t> big = Stripes(1280, 720);
    EXPECT_EQ(FocusScore({big.data(), 1280, 720}, kFocusX, kFocusY, kFocusWidth, kFocusHeight),
              320 * 180 * 10);
    // A 640 x 480 picture cannot hold the window.
    std::vector<uint8_t> vga = Stripes(640, 480);
    EXPECT_EQ(FocusScore({vga.data(), 640, 480}, kFocusX, kFocusY, kFocusWidth, kFocusHeight), 0);
    EXPECT_EQ(FocusScore({}, 0, 0, 8, 8), 0);
    // An 800-wide plane of 360 rows holds the window exactly: the last column has no neighbour,
    // so nothing is read beyond the plane.
    std::vector<uint8_t> edge = Stripes(800, 360);
    EXPECT_EQ(FocusScore({edge.data(), 800, 360}, kFocusX, kFocusY, kFocusWidth, kFocusHeight),
              319 * 180 * 10);
}

TEST(Breakpoint, LumaChangePausesExceptAfterZeroAndTheLimitIsTakenAtTheClick) {
    DiagnosticsLogic d;
    d.visible = true;
    d.rgBreakpointClick(kBreakLumaChange, "0", "10");
    CameraMetadata m;
    auto show = [&](int luma) {
        m.nLuma = luma;
        return d.ShowDiagnostics(m, {});
    };
    EXPECT_FALSE(show(0));
    EXPECT_FALSE(show(100));  // after a luma of 0
    EXPECT_FALSE(show(110));
    EXPECT_TRUE(show(121));
    EXPECT_TRUE(show(100));
    // A new limit typed into the field counts only once the item is clicked again.
    d.rgBreakpointClick(kBreakRetries, "3", "50");
    EXPECT_EQ(d.breakpoint.limit(), 3);
    d.rgBreakpointClick(kBreakLater, "9", "abc");
    EXPECT_EQ(d.breakpoint.limit(), 3);
    d.rgBreakpointClick(kBreakLumaChange, "9", "abc");
    EXPECT_EQ(d.breakpoint.limit(), 0);

    d.rgBreakpointClick(kBreakRetries, "2", "");
    m.nRetries = 3;
    EXPECT_TRUE(d.ShowDiagnostics(m, {}));
    // Nothing is tested, and nothing shown, while the window is closed; the luma still counts.
    d.visible = false;
    EXPECT_FALSE(d.ShowDiagnostics(m, {}));
    EXPECT_EQ(d.values.lblFRC, "3");
}

TEST(DiagnosticsList, ClearButtonResetsTheCountThePopupOnlyTheList) {
    DiagnosticsLogic d;
    d.visible = true;
    d.ReportBadFrame(4, 10, 0x2000);
    d.Append("00 01");
    d.ClearList();
    EXPECT_TRUE(d.lines.empty());
    EXPECT_EQ(d.nBadFrames, 1);
    d.ReportBadFrame(5, 10, 0x2400);
    d.Button1Click();
    EXPECT_TRUE(d.lines.empty());
    EXPECT_EQ(d.nBadFrames, 0);
    EXPECT_EQ(d.lblBadFrameCount, "0");
    EXPECT_EQ(d.list_generation, 2);
    d.visible = false;
    d.Append("hidden");
    EXPECT_TRUE(d.lines.empty());
}

}  // namespace
}  // namespace qv::diag

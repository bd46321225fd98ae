// The names of the main window's controls, menus and menu items, as the window design names them.
// The player logic and the Qt window both address controls through these constants; a name that
// is not in the table does not compile, also when it is written as a string literal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qv::app {

// X(name) for every control, in no particular order (the window design gives the order).
// clang-format off
#define QV_MAIN_WINDOW_CONTROLS(X) \
    X(MainMenu1) \
    X(File1) \
    X(Open1) \
    X(SaveCurrent1) \
    X(Extract1) \
    X(N1) \
    X(Exit1) \
    X(Options1) \
    X(CameraSettings1) \
    X(EmbedTimestamp1) \
    X(Deblock1) \
    X(Edit1) \
    X(Undo1) \
    X(Keys1) \
    X(FullScreen1) \
    X(Diagnostics1) \
    X(Help1) \
    X(About1) \
    X(PopupMenu1) \
    X(Zoom1X1) \
    X(N2xzoom1) \
    X(Varzoom1) \
    X(SaveCurrent2) \
    X(PopupMenu2) \
    X(SaveStart) \
    X(SaveEnd) \
    X(SaveSegment1) \
    X(Cancel1) \
    X(ScrollBox1) \
    X(Image1) \
    X(gbPlayRate) \
    X(tbRate) \
    X(lblRate) \
    X(gbStats) \
    X(lblCapIntervalTitle) \
    X(lblCapInterval) \
    X(lblElapsedTimeTitle) \
    X(lblElapsedTime) \
    X(lblDateTitle) \
    X(lblDate) \
    X(lblTimeTitle) \
    X(lblTime) \
    X(gbMotion) \
    X(pnlSearch) \
    X(lblSrchMsg) \
    X(lblSearchForward) \
    X(lblSearchBackward) \
    X(lblSearchFound) \
    X(Thresh) \
    X(edtMotionThreshold) \
    X(cbIgnoreBrightness) \
    X(sbSearchBackward) \
    X(sbStopSearch) \
    X(sbSearchForward) \
    X(pnlPlayCtrl) \
    X(sbStop) \
    X(sbPause) \
    X(sbBackward) \
    X(sbPrevious) \
    X(sbNext) \
    X(sbForward) \
    X(sbPrevEvent) \
    X(sbNextEvent) \
    X(gbSeek) \
    X(pnlWhere) \
    X(tbWhere) \
    X(pbWhere) \
    X(gbPlayList) \
    X(lbPlayList) \
    X(lblFilePath) \
    X(pnlPLControls) \
    X(bPrevious) \
    X(bSkip) \
    X(bClearPlayList) \
    X(gbMovieInfo) \
    X(Label1) \
    X(lblCamModel) \
    X(Label2) \
    X(lblQuant) \
    X(Label3) \
    X(lblFlicker) \
    X(lblSceneTitle) \
    X(lblScene) \
    X(lblExpoTitle) \
    X(lblCustomExpo) \
    X(Label8) \
    X(lblSSStart) \
    X(Label7) \
    X(lblSSStop) \
    X(Label9) \
    X(lblLED) \
    X(Label10) \
    X(lblLowLight) \
    X(Label11) \
    X(lblTimeStamp) \
    X(Label17) \
    X(lblFW) \
    X(Label5) \
    X(lblFPGA) \
    X(pnlProInfo) \
    X(Label12) \
    X(lblWBMode) \
    X(Label13) \
    X(lblContrast) \
    X(Label14) \
    X(lblSharpness) \
    X(Label15) \
    X(lblSaturation) \
    X(Label16) \
    X(lblHDRRange) \
    X(pnlWDXInfo) \
    X(Label4) \
    X(lblMode) \
    X(Label18) \
    X(lblPIRTrigger) \
    X(pnlSeek) \
    X(Label19) \
    X(sbPIRSeekRev) \
    X(sbStopPIRSearch) \
    X(sbPIRSeekFwd) \
    X(StatusBar1)
// clang-format on

namespace control_table {
#define QV_CONTROL_NAME_TEXT(name) #name,
inline constexpr std::string_view kNames[] = {QV_MAIN_WINDOW_CONTROLS(QV_CONTROL_NAME_TEXT)};
#undef QV_CONTROL_NAME_TEXT
inline constexpr size_t kCount = sizeof kNames / sizeof kNames[0];

// Not constexpr on purpose: reaching it while a name is checked at compile time stops the build.
void NameIsNotAControlOfTheMainWindow();
}  // namespace control_table

// A control of the main window: its index in the table above, found at compile time.
class ControlName {
  public:
    consteval ControlName(const char* name) : index_(Find(name)) {}

    constexpr uint16_t Index() const { return index_; }
    constexpr std::string_view View() const { return control_table::kNames[index_]; }
    constexpr const char* c_str() const { return control_table::kNames[index_].data(); }
    friend constexpr bool operator==(ControlName a, ControlName b) = default;

    // The control named by a text known only at run time (the Qt window walking its widgets);
    // false when no control has that name.
    static bool Lookup(std::string_view name, ControlName& out);

  private:
    constexpr explicit ControlName(uint16_t index, int) : index_(index) {}
    static consteval uint16_t Find(const char* name) {
        for (size_t i = 0; i < control_table::kCount; ++i)
            if (control_table::kNames[i] == name) return static_cast<uint16_t>(i);
        control_table::NameIsNotAControlOfTheMainWindow();
        return 0;
    }
    uint16_t index_;
};

namespace ctl {
#define QV_CONTROL_CONSTANT(name) inline constexpr ControlName name{#name};
QV_MAIN_WINDOW_CONTROLS(QV_CONTROL_CONSTANT)
#undef QV_CONTROL_CONSTANT
}  // namespace ctl

}  // namespace qv::app

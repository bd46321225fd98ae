// The main window as designed: controls, captions, hints and places before any layout runs.
#include "app/ui_state.h"

namespace qv::app {
namespace {

using K = ControlKind;

ControlState& Put(UiState& ui, const std::string& name, K kind, const std::string& parent, Rect r,
                  const std::string& text = {}) {
    ControlState& c = ui.Add(name, kind, parent);
    c.rect = r;
    c.text = text;
    return c;
}

void Label(UiState& ui, const std::string& name, const std::string& parent, Rect r,
           const std::string& text) {
    Put(ui, name, K::Label, parent, r, text);
}

ControlState& Speed(UiState& ui, const std::string& name, const std::string& parent, Rect r,
                    const std::string& hint) {
    ControlState& c = Put(ui, name, K::SpeedButton, parent, r);
    c.hint = hint;
    return c;
}

void BuildPictureAndSpeed(UiState& ui) {
    Put(ui, "ScrollBox1", K::ScrollBox, "", {4, 4, 640, 481});
    ControlState& image = Put(ui, "Image1", K::Image, "ScrollBox1", {0, 0, 636, 477});
    image.fill_parent = true;
    Put(ui, "gbPlayRate", K::GroupBox, "", {648, 4, 73, 489}, "Speed");
    ControlState& rate = Put(ui, "tbRate", K::TrackBar, "gbPlayRate", {2, 15, 69, 472});
    rate.fill_parent = true;
    rate.vertical = true;
    rate.minimum = 0;
    rate.maximum = 29;
    rate.position = 1;
    rate.tick_frequency = 1;
    ControlState& lbl = Put(ui, "lblRate", K::Label, "", {648, 489, 41, 13}, "0");
    lbl.bold = true;
}

void BuildStats(UiState& ui) {
    const std::string p = "gbStats";
    Put(ui, p, K::GroupBox, "", {725, 4, 121, 185}, "Statistics");
    Label(ui, "lblCapIntervalTitle", p, {8, 18, 108, 13}, "Capture Interval");
    Put(ui, "lblCapInterval", K::Label, p, {8, 33, 108, 13}, "00:00:00").bold = true;
    Label(ui, "lblElapsedTimeTitle", p, {8, 54, 108, 13}, "Elapsed Time");
    ControlState& el = Put(ui, "lblElapsedTime", K::Label, p, {8, 69, 108, 28}, "0:00:00");
    el.bold = true;
    el.word_wrap = true;
    Label(ui, "lblDateTitle", p, {8, 104, 108, 13}, "Capture Date");
    Put(ui, "lblDate", K::Label, p, {8, 119, 108, 13}, "[]").bold = true;
    Label(ui, "lblTimeTitle", p, {8, 140, 108, 13}, "Capture Time");
    Put(ui, "lblTime", K::Label, p, {8, 155, 108, 13}, "[]").bold = true;
}

void BuildMotion(UiState& ui) {
    const std::string p = "gbMotion";
    Put(ui, p, K::GroupBox, "", {850, 4, 153, 193}, "Motion Search");
    Put(ui, "pnlSearch", K::Panel, p, {8, 18, 88, 66});
    Label(ui, "lblSrchMsg", p, {8, 90, 137, 13}, "Search Inactive");
    Label(ui, "lblSearchForward", p, {8, 90, 137, 13}, "Search Forward");
    Label(ui, "lblSearchBackward", p, {8, 90, 137, 13}, "Search Backward");
    Label(ui, "lblSearchFound", p, {8, 90, 137, 13}, "Found");
    for (const char* n : {"lblSearchForward", "lblSearchBackward", "lblSearchFound"})
        ui.Show(n, false);
    Label(ui, "Thresh", p, {8, 116, 60, 13}, "Threshold");
    Put(ui, "edtMotionThreshold", K::Edit, p, {72, 112, 41, 21}, "00");
    Speed(ui, "sbSearchBackward", p, {8, 150, 28, 24}, "Search Baclward").enabled = false;
    Speed(ui, "sbStopSearch", p, {62, 150, 28, 24}, "Stop Search").enabled = false;
    Speed(ui, "sbSearchForward", p, {116, 150, 28, 24}, "Search Forward").enabled = false;
}

void BuildTransport(UiState& ui) {
    const std::string p = "pnlPlayCtrl";
    Put(ui, p, K::Panel, "", {193, 489, 261, 33});
    const char* names[] = {"sbStop", "sbPause",   "sbBackward",  "sbPrevious",
                           "sbNext", "sbForward", "sbPrevEvent", "sbNextEvent"};
    const char* hints[] = {
        "Stop",         "Pause",      "Play Backward", "Backward 1 Frame", "Forward 1 Frame",
        "Play Forward", "Prev Event", "Next Event"};
    for (int i = 0; i < 8; ++i)
        Speed(ui, names[i], p, {4 + 32 * i, 4, 28, 24}, hints[i]);
}

void BuildSeek(UiState& ui) {
    Put(ui, "gbSeek", K::GroupBox, "", {4, 526, 641, 57}, "Seek");
    Put(ui, "pnlWhere", K::Panel, "gbSeek", {4, 16, 632, 32});
    ControlState& where = Put(ui, "tbWhere", K::TrackBar, "pnlWhere", {0, 0, 632, 32});
    where.fill_parent = true;
    where.maximum = 100;
    where.visible = false;
    ControlState& bar = Put(ui, "pbWhere", K::ProgressBar, "pnlWhere", {0, 0, 632, 16});
    bar.fill_parent = true;
    bar.maximum = 100;
    bar.visible = false;
}

void BuildPlaylist(UiState& ui) {
    const std::string p = "gbPlayList";
    Put(ui, p, K::GroupBox, "", {725, 201, 281, 249}, "PlayList");
    Put(ui, "lbPlayList", K::ListBox, p, {20, 24, 238, 124});
    Put(ui, "lblFilePath", K::Label, p, {20, 152, 238, 13}).visible = false;
    Put(ui, "pnlPLControls", K::Panel, p, {16, 169, 249, 73});
    Put(ui, "bPrevious", K::Button, "pnlPLControls", {6, 24, 75, 25}, "&Previous");
    Put(ui, "bSkip", K::Button, "pnlPLControls", {87, 24, 75, 25}, "&Next");
    Put(ui, "bClearPlayList", K::Button, "pnlPLControls", {168, 24, 75, 25}, "&Clear");
}

void InfoRow(UiState& ui, const std::string& parent, int row, const std::string& title_name,
             const std::string& title, const std::string& value_name, int x = 8, int tw = 80,
             int vw = 80) {
    const int y = (parent == "gbMovieInfo" ? 16 : 2) + 14 * row;
    Label(ui, title_name, parent, {x, y, tw, 13}, title);
    Put(ui, value_name, K::Label, parent, {x + tw + 2, y, vw, 13}, "[]").bold = true;
}

void BuildMovieInfo(UiState& ui) {
    const std::string p = "gbMovieInfo";
    Put(ui, p, K::GroupBox, "", {725, 450, 281, 177}, "Movie Info").visible = false;
    InfoRow(ui, p, 0, "Label1", "Camera Model:  ", "lblCamModel");
    InfoRow(ui, p, 1, "Label2", "Image Quality", "lblQuant");
    InfoRow(ui, p, 2, "Label3", "Band Filter", "lblFlicker");
    InfoRow(ui, p, 3, "lblSceneTitle", "Scene", "lblScene");
    InfoRow(ui, p, 4, "lblExpoTitle", "Custom Expo", "lblCustomExpo");
    InfoRow(ui, p, 5, "Label8", "Timer Start", "lblSSStart");
    InfoRow(ui, p, 6, "Label7", "Timer Stop", "lblSSStop");
    InfoRow(ui, p, 7, "Label9", "LED Display", "lblLED");
    InfoRow(ui, p, 8, "Label10", "Low Light Rec", "lblLowLight");
    InfoRow(ui, p, 9, "Label11", "Time Stamp", "lblTimeStamp");
    InfoRow(ui, p, 10, "Label17", "Firmware", "lblFW", 8, 80, 180);
    InfoRow(ui, p, 9, "Label5", "FPGA", "lblFPGA", 170, 40, 64);
    ui.Show("Label5", false);
    ui.Show("lblFPGA", false);

    // The white-balance names are long: the value sits on its own row under its title.
    const std::string pro = "pnlProInfo";
    Put(ui, pro, K::Panel, p, {172, 14, 106, 88});
    Label(ui, "Label12", pro, {0, 2, 104, 13}, "WB Mode");
    Put(ui, "lblWBMode", K::Label, pro, {0, 16, 104, 13}, "[]").bold = true;
    InfoRow(ui, pro, 2, "Label13", "Contrast", "lblContrast", 0, 62, 42);
    InfoRow(ui, pro, 3, "Label14", "Sharpness", "lblSharpness", 0, 62, 42);
    InfoRow(ui, pro, 4, "Label15", "Saturation", "lblSaturation", 0, 62, 42);
    InfoRow(ui, pro, 5, "Label16", "HDR Range", "lblHDRRange", 0, 62, 42);

    const std::string wdx = "pnlWDXInfo";
    Put(ui, wdx, K::Panel, p, {172, 14, 106, 100});
    InfoRow(ui, wdx, 0, "Label4", "Mode", "lblMode", 0, 48, 56);
    InfoRow(ui, wdx, 1, "Label18", "PIR Active", "lblPIRTrigger", 0, 48, 56);
    Put(ui, "pnlSeek", K::Panel, wdx, {0, 34, 106, 50});
    Label(ui, "Label19", "pnlSeek", {2, 2, 102, 13}, "PIR Seek");
    Speed(ui, "sbPIRSeekRev", "pnlSeek", {2, 18, 28, 24}, "Prev Event");
    Speed(ui, "sbStopPIRSearch", "pnlSeek", {34, 18, 28, 24}, "Stop Search");
    Speed(ui, "sbPIRSeekFwd", "pnlSeek", {66, 18, 28, 24}, "Next Event");
}

void BuildMenus(UiState& ui) {
    auto item = [&](const std::string& name, const std::string& menu, const std::string& text) {
        return &Put(ui, name, K::MenuItem, menu, {}, text);
    };
    Put(ui, "File1", K::Menu, "MainMenu1", {}, "&File");
    item("Open1", "File1", "&Open");
    item("SaveCurrent1", "File1", "&Save Current");
    item("Extract1", "File1", "&Export");
    Put(ui, "N1", K::Separator, "File1", {});
    item("Exit1", "File1", "E&xit");
    Put(ui, "Options1", K::Menu, "MainMenu1", {}, "&Options").visible = false;
    item("CameraSettings1", "Options1", "&Camera Settings");
    item("EmbedTimestamp1", "Options1", "&Embed Timestamp");
    item("Deblock1", "Options1", "Deblock")->visible = false;
    Put(ui, "Help1", K::Menu, "MainMenu1", {}, "&Help").visible = false;
    item("About1", "Help1", "&About");

    Put(ui, "PopupMenu1", K::Menu, "", {});
    item("Zoom1X1", "PopupMenu1", "1X zoom");
    item("N2xzoom1", "PopupMenu1", "2X zoom");
    item("Varzoom1", "PopupMenu1", "Var zoom");
    item("SaveCurrent2", "PopupMenu1", "&Save Current");

    Put(ui, "PopupMenu2", K::Menu, "", {});
    item("SaveStart", "PopupMenu2", "Mark Start of Exported Segment");
    item("SaveEnd", "PopupMenu2", "Mark End of Exported Segment");
    item("SaveSegment1", "PopupMenu2", "Export Segment");
    item("Cancel1", "PopupMenu2", "Cancel");
}

}  // namespace

void BuildMainWindowDesign(UiState& ui) {
    ui.caption = "Quillo Video Player";
    ui.window = {0, 0, 1104, 752};
    BuildPictureAndSpeed(ui);
    BuildStats(ui);
    BuildMotion(ui);
    BuildTransport(ui);
    BuildSeek(ui);
    BuildPlaylist(ui);
    BuildMovieInfo(ui);
    Put(ui, "StatusBar1", K::StatusBar, "", {0, 683, 1096, 19});
    BuildMenus(ui);
}

}  // namespace qv::app

// The main window as designed: controls, captions, hints and places before any layout runs.
#include "app/layout.h"
#include "app/ui_state.h"

namespace qv::app {
namespace {

using K = ControlKind;

ControlState& Put(UiState& ui, ControlName name, K kind, std::optional<ControlName> parent, Rect r,
                  const std::string& text = {}) {
    ControlState& c = ui.Add(name, kind, parent);
    c.rect = r;
    c.text = text;
    return c;
}

void Label(UiState& ui, ControlName name, ControlName parent, Rect r, const std::string& text) {
    Put(ui, name, K::Label, parent, r, text);
}

ControlState& Speed(UiState& ui, ControlName name, ControlName parent, Rect r,
                    const std::string& hint) {
    ControlState& c = Put(ui, name, K::SpeedButton, parent, r);
    c.hint = hint;
    return c;
}

void BuildPictureAndSpeed(UiState& ui) {
    Put(ui, ctl::ScrollBox1, K::ScrollBox, std::nullopt, {4, 4, 640, 481});
    ControlState& image = Put(ui, ctl::Image1, K::Image, ctl::ScrollBox1, {0, 0, 636, 477});
    image.fill_parent = true;
    Put(ui, ctl::gbPlayRate, K::GroupBox, std::nullopt, {648, 4, 73, 489}, "Speed");
    ControlState& rate = Put(ui, ctl::tbRate, K::TrackBar, ctl::gbPlayRate, {2, 15, 69, 472});
    rate.fill_parent = true;
    rate.vertical = true;
    rate.minimum = 0;
    rate.maximum = 29;
    rate.position = 1;
    rate.tick_frequency = 1;
    rate.hint = "Playback speed";
    ControlState& lbl = Put(ui, ctl::lblRate, K::Label, std::nullopt, {648, 489, 41, 13}, "0");
    lbl.bold = true;
}

void BuildStats(UiState& ui) {
    const ControlName p = ctl::gbStats;
    Put(ui, p, K::GroupBox, std::nullopt, {725, 4, 121, 185}, "Statistics");
    Label(ui, ctl::lblCapIntervalTitle, p, {8, 18, 108, 13}, "Capture Interval");
    Put(ui, ctl::lblCapInterval, K::Label, p, {8, 33, 108, 13}, "00:00:00").bold = true;
    Label(ui, ctl::lblElapsedTimeTitle, p, {8, 54, 108, 13}, "Elapsed Time");
    ControlState& el = Put(ui, ctl::lblElapsedTime, K::Label, p, {8, 69, 108, 28}, "0:00:00");
    el.bold = true;
    el.word_wrap = true;
    Label(ui, ctl::lblDateTitle, p, {8, 104, 108, 13}, "Capture Date");
    Put(ui, ctl::lblDate, K::Label, p, {8, 119, 108, 13}, "[]").bold = true;
    Label(ui, ctl::lblTimeTitle, p, {8, 140, 108, 13}, "Capture Time");
    Put(ui, ctl::lblTime, K::Label, p, {8, 155, 108, 13}, "[]").bold = true;
}

void BuildMotion(UiState& ui) {
    const ControlName p = ctl::gbMotion;
    Put(ui, p, K::GroupBox, std::nullopt, {850, 4, 153, 193}, "Motion Search");
    Put(ui, ctl::pnlSearch, K::Panel, p, {8, 18, 88, 66});
    Label(ui, ctl::lblSrchMsg, p, {8, 90, 137, 13}, "Search Inactive");
    Label(ui, ctl::lblSearchForward, p, {8, 90, 137, 13}, "Search Forward");
    Label(ui, ctl::lblSearchBackward, p, {8, 90, 137, 13}, "Search Backward");
    Label(ui, ctl::lblSearchFound, p, {8, 90, 137, 13}, "Found");
    for (ControlName n : {ctl::lblSearchForward, ctl::lblSearchBackward, ctl::lblSearchFound})
        ui.Show(n, false);
    Label(ui, ctl::Thresh, p, {8, 116, 60, 13}, "Threshold");
    Put(ui, ctl::edtMotionThreshold, K::Edit, p, {72, 112, 41, 21}, "00");
    // Beyond the original design, unticked unless the user ticks it: a change of the whole
    // picture's brightness is not motion.
    Put(ui, ctl::cbIgnoreBrightness, K::CheckBox, p, {8, 134, 140, 15}, "Ignore brightness").hint =
        "A change of the whole picture's brightness (a cloud, an exposure step) is not "
        "motion";
    Speed(ui, ctl::sbSearchBackward, p, {8, 150, 28, 24}, "Search Baclward").enabled = false;
    Speed(ui, ctl::sbStopSearch, p, {62, 150, 28, 24}, "Stop Search").enabled = false;
    Speed(ui, ctl::sbSearchForward, p, {116, 150, 28, 24}, "Search Forward").enabled = false;
}

void BuildTransport(UiState& ui) {
    const ControlName p = ctl::pnlPlayCtrl;
    Put(ui, p, K::Panel, std::nullopt, {193, 489, 261, 33});
    const ControlName names[] = {ctl::sbStop, ctl::sbPause,   ctl::sbBackward,  ctl::sbPrevious,
                                 ctl::sbNext, ctl::sbForward, ctl::sbPrevEvent, ctl::sbNextEvent};
    const char* hints[] = {
        "Stop",         "Pause",      "Play Backward", "Backward 1 Frame", "Forward 1 Frame",
        "Play Forward", "Prev Event", "Next Event"};
    for (int i = 0; i < 8; ++i)
        Speed(ui, names[i], p, {4 + 32 * i, 4, 28, 24}, hints[i]);
}

void BuildSeek(UiState& ui) {
    Put(ui, ctl::gbSeek, K::GroupBox, std::nullopt, {4, 526, 641, 57}, "Seek");
    Put(ui, ctl::pnlWhere, K::Panel, ctl::gbSeek, {4, 16, 632, 32});
    ControlState& where = Put(ui, ctl::tbWhere, K::TrackBar, ctl::pnlWhere, {0, 0, 632, 32});
    where.fill_parent = true;
    where.maximum = 100;
    where.visible = false;
    where.hint = "Position in the recording: drag to seek";
    ControlState& bar = Put(ui, ctl::pbWhere, K::ProgressBar, ctl::pnlWhere, {0, 0, 632, 16});
    bar.fill_parent = true;
    bar.maximum = 100;
    bar.visible = false;
}

void BuildPlaylist(UiState& ui) {
    const ControlName p = ctl::gbPlayList;
    Put(ui, p, K::GroupBox, std::nullopt, {725, 201, kMovieInfoWidth, 249}, "PlayList");
    Put(ui, ctl::lbPlayList, K::ListBox, p, {20, 24, 238, 124});
    Put(ui, ctl::lblFilePath, K::Label, p, {20, 152, 238, 13}).visible = false;
    Put(ui, ctl::pnlPLControls, K::Panel, p, {16, 169, 249, 73});
    Put(ui, ctl::bPrevious, K::Button, ctl::pnlPLControls, {6, 24, 75, 25}, "&Previous");
    Put(ui, ctl::bSkip, K::Button, ctl::pnlPLControls, {87, 24, 75, 25}, "&Next");
    Put(ui, ctl::bClearPlayList, K::Button, ctl::pnlPLControls, {168, 24, 75, 25}, "&Clear");
}

void InfoRow(UiState& ui, ControlName parent, int row, ControlName title_name,
             const std::string& title, ControlName value_name, int x = 8, int tw = 80,
             int vw = 80) {
    const int y = (parent == ctl::gbMovieInfo ? 16 : 2) + 14 * row;
    Label(ui, title_name, parent, {x, y, tw, 13}, title);
    Put(ui, value_name, K::Label, parent, {x + tw + 2, y, vw, 13}, "[]").bold = true;
}

void BuildMovieInfo(UiState& ui) {
    const ControlName p = ctl::gbMovieInfo;
    Put(ui, p, K::GroupBox, std::nullopt, {725, 450, kMovieInfoWidth, kMovieInfoHeight},
        "Movie Info")
        .visible = false;
    InfoRow(ui, p, 0, ctl::Label1, "Camera Model:  ", ctl::lblCamModel);
    InfoRow(ui, p, 1, ctl::Label2, "Image Quality", ctl::lblQuant);
    InfoRow(ui, p, 2, ctl::Label3, "Band Filter", ctl::lblFlicker);
    InfoRow(ui, p, 3, ctl::lblSceneTitle, "Scene", ctl::lblScene);
    InfoRow(ui, p, 4, ctl::lblExpoTitle, "Custom Expo", ctl::lblCustomExpo);
    InfoRow(ui, p, 5, ctl::Label8, "Timer Start", ctl::lblSSStart);
    InfoRow(ui, p, 6, ctl::Label7, "Timer Stop", ctl::lblSSStop);
    InfoRow(ui, p, 7, ctl::Label9, "LED Display", ctl::lblLED);
    InfoRow(ui, p, 8, ctl::Label10, "Low Light Rec", ctl::lblLowLight);
    InfoRow(ui, p, 9, ctl::Label11, "Time Stamp", ctl::lblTimeStamp);
    InfoRow(ui, p, 10, ctl::Label17, "Firmware", ctl::lblFW, 8, 80, 180);
    InfoRow(ui, p, 9, ctl::Label5, "FPGA", ctl::lblFPGA, 170, 40, 64);
    ui.Show(ctl::Label5, false);
    ui.Show(ctl::lblFPGA, false);

    // The white-balance names are long: the value sits on its own row under its title.
    const ControlName pro = ctl::pnlProInfo;
    Put(ui, pro, K::Panel, p, {172, 14, 106, 88});
    Label(ui, ctl::Label12, pro, {0, 2, 104, 13}, "WB Mode");
    Put(ui, ctl::lblWBMode, K::Label, pro, {0, 16, 104, 13}, "[]").bold = true;
    InfoRow(ui, pro, 2, ctl::Label13, "Contrast", ctl::lblContrast, 0, 62, 42);
    InfoRow(ui, pro, 3, ctl::Label14, "Sharpness", ctl::lblSharpness, 0, 62, 42);
    InfoRow(ui, pro, 4, ctl::Label15, "Saturation", ctl::lblSaturation, 0, 62, 42);
    InfoRow(ui, pro, 5, ctl::Label16, "HDR Range", ctl::lblHDRRange, 0, 62, 42);

    const ControlName wdx = ctl::pnlWDXInfo;
    Put(ui, wdx, K::Panel, p, {172, 14, 106, 100});
    InfoRow(ui, wdx, 0, ctl::Label4, "Mode", ctl::lblMode, 0, 48, 56);
    InfoRow(ui, wdx, 1, ctl::Label18, "PIR Active", ctl::lblPIRTrigger, 0, 48, 56);
    Put(ui, ctl::pnlSeek, K::Panel, wdx, {0, 34, 106, 50});
    Label(ui, ctl::Label19, ctl::pnlSeek, {2, 2, 102, 13}, "PIR Seek");
    Speed(ui, ctl::sbPIRSeekRev, ctl::pnlSeek, {2, 18, 28, 24}, "Prev Event");
    Speed(ui, ctl::sbStopPIRSearch, ctl::pnlSeek, {34, 18, 28, 24}, "Stop Search");
    Speed(ui, ctl::sbPIRSeekFwd, ctl::pnlSeek, {66, 18, 28, 24}, "Next Event");
}

void BuildMenus(UiState& ui) {
    auto item = [&](ControlName name, ControlName menu, const std::string& text,
                    const std::string& shortcut = {}) {
        ControlState& c = Put(ui, name, K::MenuItem, menu, {}, text);
        c.shortcut = shortcut;
        return &c;
    };
    Put(ui, ctl::File1, K::Menu, ctl::MainMenu1, {}, "&File");
    item(ctl::Open1, ctl::File1, "&Open", "Ctrl+O");
    item(ctl::SaveCurrent1, ctl::File1, "&Save Current");
    item(ctl::Extract1, ctl::File1, "&Export");
    Put(ui, ctl::N1, K::Separator, ctl::File1, {});
    item(ctl::Exit1, ctl::File1, "E&xit", "Ctrl+Q");
    // Added: a cleared playlist can be brought back.
    Put(ui, ctl::Edit1, K::Menu, ctl::MainMenu1, {}, "&Edit");
    item(ctl::Undo1, ctl::Edit1, "&Undo", "Ctrl+Z")->enabled = false;
    // Shown, unlike the original design that hid it: nothing else reaches the camera's settings.
    Put(ui, ctl::Options1, K::Menu, ctl::MainMenu1, {}, "&Options");
    item(ctl::CameraSettings1, ctl::Options1, "&Camera Settings");
    item(ctl::EmbedTimestamp1, ctl::Options1, "&Embed Timestamp")->checkable = true;
    ControlState* deblock = item(ctl::Deblock1, ctl::Options1, "Deblock");
    deblock->visible = false;
    deblock->checkable = true;
    // Added: the diagnostics window otherwise shows only at start with "ShowDiags" set.
    item(ctl::Diagnostics1, ctl::Options1, "&Diagnostics");
    // Shown, with a keyboard reference beside About.
    Put(ui, ctl::Help1, K::Menu, ctl::MainMenu1, {}, "&Help");
    item(ctl::Keys1, ctl::Help1, "&Keyboard");
    item(ctl::About1, ctl::Help1, "&About");

    Put(ui, ctl::PopupMenu1, K::Menu, std::nullopt, {});
    item(ctl::Zoom1X1, ctl::PopupMenu1, "1X zoom");
    item(ctl::N2xzoom1, ctl::PopupMenu1, "2X zoom");
    item(ctl::Varzoom1, ctl::PopupMenu1, "Var zoom");
    item(ctl::SaveCurrent2, ctl::PopupMenu1, "&Save Current");
    // Added, with the menu itself now opened by the right button on the picture.
    item(ctl::FullScreen1, ctl::PopupMenu1, "&Full Screen", "F11")->checkable = true;

    Put(ui, ctl::PopupMenu2, K::Menu, std::nullopt, {});
    item(ctl::SaveStart, ctl::PopupMenu2, "Mark Start of Exported Segment");
    item(ctl::SaveEnd, ctl::PopupMenu2, "Mark End of Exported Segment");
    item(ctl::SaveSegment1, ctl::PopupMenu2, "Export Segment");
    item(ctl::Cancel1, ctl::PopupMenu2, "Cancel");
    // Saving waits for a movie and exporting for a camera AVI. The segment menu opens only while
    // it is enabled.
    for (ControlName n : {ctl::SaveCurrent1, ctl::SaveCurrent2, ctl::Extract1, ctl::PopupMenu2,
                          ctl::SaveStart, ctl::SaveEnd, ctl::SaveSegment1})
        ui.Enable(n, false);
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
    Put(ui, ctl::StatusBar1, K::StatusBar, std::nullopt, {0, 683, 1096, 19});
    BuildMenus(ui);
}

}  // namespace qv::app

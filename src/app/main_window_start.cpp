// Start-up, the settings file and closing the main window.
#include <algorithm>

#include "app/main_window.h"
#include "app/zoom.h"

namespace qv::app {

std::string MessageText(int selector) {
    switch (selector) {
        case kMsgNoDir:
            return "Could not create directory for Camera Settings.  Please make sure you have "
                   "selected the USB flash drive and connected it to the PC";
        case kMsgNotFound:
            return "File Not Found";
        case kMsgUnknownFormat:
            return "Unknown Format";
        case kMsgNoFrames:
            return "File Does Not Contain Any Frames";
        default:
            return {};
    }
}

MainWindowLogic::MainWindowLogic(Platform& platform, AviReader& reader, std::string settings_path)
    : platform_(platform), reader_(reader), settings_path_(std::move(settings_path)) {
    BuildMainWindowDesign(ui_);
    ClearPlaylist();
}

void MainWindowLogic::FormCreate(const std::vector<std::string>& arguments) {
    LoadSettings();
    CenterImage();
    if (arguments.empty()) return;
    for (const std::string& path : arguments)
        AddFile(path);
    ShowPlaylist();
    start_on_show_ = true;
}

void MainWindowLogic::LoadSettings() {
    bOpening_ = true;
    if (!settings_path_.empty()) ini_.Load(settings_path_);
    settings_ = ReadPlayerSettings(ini_);
    const PlayerSettings& s = settings_;
    if (s.nMainWinX != -1) ui_.window.left = s.nMainWinX;
    if (s.nMainWinY != -1) ui_.window.top = s.nMainWinY;
    if (s.nMainWinWidth != -1) ui_.window.width = std::max(s.nMainWinWidth, ui_.min_width);
    if (s.nMainWinHeight != -1) ui_.window.height = std::max(s.nMainWinHeight, ui_.min_height);
    SetRate(std::clamp(s.nFrmRate, 0, 30));
    // A zoom far beyond what the window offers would only make an image too large to paint.
    nZoom_ = std::clamp(s.nZoom, 0, 800);
    ui_.SetText("edtMotionThreshold", std::to_string(s.nMotionThreshold));
    diag_.bShowExpo = s.bShowExpo != 0;
    diag_.bShowTimes = s.bShowTimes != 0;
    g_bEmbedTime_ = s.g_bEmbedTime != 0;
    ui_["EmbedTimestamp1"].checked = g_bEmbedTime_;
    g_nDeblockMethod_ = s.g_nDeblockMethod;
    ui_["Deblock1"].checked = g_nDeblockMethod_ != 0;
    if (s.nTestLanguage > 0) lang_.SetActiveLanguage(s.nTestLanguage);
    bOpening_ = false;
}

void MainWindowLogic::SaveSettings() {
    settings_.nMainWinX = ui_.window.left;
    settings_.nMainWinY = ui_.window.top;
    settings_.nMainWinWidth = ui_.window.width;
    settings_.nMainWinHeight = ui_.window.height;
    settings_.nFrmRate = play_.nFrmRate;
    settings_.nZoom = nZoom_;
    settings_.g_bEmbedTime = g_bEmbedTime_ ? 1 : 0;
    settings_.g_nDeblockMethod = g_nDeblockMethod_;
    settings_.bShowExpo = diag_.bShowExpo ? 1 : 0;
    settings_.bShowTimes = diag_.bShowTimes ? 1 : 0;
    WritePlayerSettings(ini_, settings_);
    // A settings file that cannot be written leaves the old one in place.
    if (!settings_path_.empty()) ini_.SaveAtomically(settings_path_);
}

void MainWindowLogic::FormShow(int screen_width, int screen_height) {
    Rect& w = ui_.window;
    if (w.Right() > screen_width) {
        w.left = 4;
        w.width = screen_width - 8;
    }
    if (w.Bottom() > screen_height) {
        w.top = 4;
        w.height = screen_height - 36;
    }
    if (start_on_show_) {
        start_on_show_ = false;
        play_.nDirection = 1;
        PlayEntry(0);
    }
}

void MainWindowLogic::FormClose() {
    if (closed_) return;
    closed_ = true;
    if (play_.bPlaying) {
        StopPlay();
        platform_.Wait(100);
    }
    CloseMovie();
    SaveSettings();
    platform_.Wait(1000);
}

void MainWindowLogic::Exit1Click() {
    FormClose();
    platform_.Quit();
}

void MainWindowLogic::About1Click() {
    if (movie_.nType != kM4v) platform_.ShowAbout();
}

}  // namespace qv::app

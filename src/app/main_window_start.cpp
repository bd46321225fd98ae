// Start-up, the settings file and closing the main window.
#include <algorithm>

#include "app/main_window.h"
#include "app/zoom.h"
#include "camera/registry_file.h"

namespace qv::app {

std::string MessageText(int selector) {
    switch (selector) {
        case kMsgNoDir:
            return camera::kNoDirText;
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

MainWindowLogic::MainWindowLogic(Platform& platform, HostServices& host, PlayerMedia media,
                                 std::string settings_path)
    : platform_(platform),
      host_(host),
      media_(media),
      settings_path_(std::move(settings_path)),
      overlay_(ui_),
      engine_(platform, ui_, diag_, *this),
      avi_(media.avi, {platform, host, ui_, movie_, engine_, overlay_, diag_, settings_, *this}),
      m4v_(media.stream, {platform, host, ui_, movie_, engine_, overlay_, diag_, settings_, *this}),
      tkm_(media.stream, media.sound,
           {platform, host, ui_, movie_, engine_, overlay_, diag_, settings_, *this}),
      diag_commands_({platform, diag_, media.avi, media.stream, engine_, tkm_, movie_, ui_,
                      settings_, g_nDeblockMethod_}),
      export_dialog_(platform, ini_, settings_.g_nExportMode, entry_base_name_),
      export_progress_(platform),
      search_host_({platform, ui_, engine_, media.avi, avi_, playlist_, *this, movie_}),
      search_(search_host_, settings_.nMotionThreshold),
      camera_settings_({settings_.nInt1, settings_.nInt2, settings_.nInt3, settings_.nAVIQuant,
                        settings_.nFlicker, settings_.cDrive, settings_.wCamMode,
                        settings_.nResolution, camera_root_},
                       *this) {
    BuildMainWindowDesign(ui_);
    ClearPlaylist();
}

MainWindowLogic::~MainWindowLogic() {
    CloseMovie();
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
    engine_.bOpening = true;
    if (!settings_path_.empty()) ini_.Load(settings_path_);
    settings_ = ReadPlayerSettings(ini_);
    const PlayerSettings& s = settings_;
    if (s.nMainWinX != -1) ui_.window.left = s.nMainWinX;
    if (s.nMainWinY != -1) ui_.window.top = s.nMainWinY;
    if (s.nMainWinWidth != -1) ui_.window.width = std::max(s.nMainWinWidth, ui_.min_width);
    if (s.nMainWinHeight != -1) ui_.window.height = std::max(s.nMainWinHeight, ui_.min_height);
    maximised = ini_.GetInt(kWindowSection, "bMainWinMaximized", 0) != 0;
    // The mounted folder of the camera's flash drive; "cDrive" is kept beside it as it was.
    const std::string* root = ini_.Find(kSettingsSection, "szCameraRoot");
    camera_root_ = root ? *root : std::string();
    engine_.SetRate(std::clamp(s.nFrmRate, 0, 30));
    // A zoom far beyond what the window offers would only make an image too large to paint.
    nZoom_ = std::clamp(s.nZoom, 0, 800);
    ui_.SetText(ctl::edtMotionThreshold, std::to_string(s.nMotionThreshold));
    diag_.bShowExpo = s.bShowExpo != 0;
    diag_.bShowTimes = s.bShowTimes != 0;
    diag_.decoder.cbDumpRTCData = s.bDumpRTCData != 0;
    ReadDiagnosticsSettings(ini_, s.nShowDiags != 0, diag_);
    diag_commands_.ApplySwitches();
    overlay_.g_bEmbedTime = s.g_bEmbedTime != 0;
    ui_[ctl::EmbedTimestamp1].checked = overlay_.g_bEmbedTime;
    g_nDeblockMethod_ = s.g_nDeblockMethod;
    ui_[ctl::Deblock1].checked = g_nDeblockMethod_ != 0;
    if (s.nTestLanguage > 0) lang_.SetActiveLanguage(s.nTestLanguage);
    engine_.bOpening = false;
}

void MainWindowLogic::SaveSettings() {
    settings_.nMainWinX = ui_.window.left;
    settings_.nMainWinY = ui_.window.top;
    settings_.nMainWinWidth = ui_.window.width;
    settings_.nMainWinHeight = ui_.window.height;
    settings_.nFrmRate = engine_.State().nFrmRate;
    settings_.nZoom = nZoom_;
    settings_.g_bEmbedTime = overlay_.g_bEmbedTime ? 1 : 0;
    settings_.g_nDeblockMethod = g_nDeblockMethod_;
    settings_.bShowExpo = diag_.bShowExpo ? 1 : 0;
    settings_.bShowTimes = diag_.bShowTimes ? 1 : 0;
    settings_.bDumpRTCData = diag_.decoder.cbDumpRTCData ? 1 : 0;
    WritePlayerSettings(ini_, settings_);
    WriteDiagnosticsSettings(ini_, diag_);
    // Beside the window's place: whether it was maximised (its place is then the one it returns
    // to when restored).
    ini_.PutInt(kWindowSection, "bMainWinMaximized", maximised ? 1 : 0);
    ini_.PutString(kSettingsSection, "szCameraRoot", camera_root_);
    // A settings file that cannot be written leaves the old one in place.
    if (!settings_path_.empty()) ini_.SaveAtomically(settings_path_);
}

void MainWindowLogic::FormShow(const std::vector<Rect>& screens) {
    Rect& w = ui_.window;
    if (!screens.empty()) {
        // The screen that holds the window's top left corner keeps it; a window on a screen that
        // is gone comes back onto the first one.
        const Rect* host = nullptr;
        for (const Rect& s : screens)
            if (w.left >= s.left && w.left < s.Right() && w.top >= s.top && w.top < s.Bottom())
                host = &s;
        if (!host) {
            host = &screens.front();
            w.left = host->left + 4;
            w.top = host->top + 4;
        }
        if (w.Right() > host->Right()) {
            w.left = host->left + 4;
            w.width = std::min(w.width, host->width - 8);
        }
        if (w.Bottom() > host->Bottom()) {
            w.top = host->top + 4;
            w.height = std::min(w.height, host->height - 36);
        }
    }
    if (start_on_show_) {
        start_on_show_ = false;
        engine_.State().nDirection = 1;
        PlayEntry(0);
    }
}

void MainWindowLogic::FormClose() {
    if (closed_) return;
    closed_ = true;
    if (engine_.State().bPlaying) {
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

void MainWindowLogic::CameraSettings1Click() {
    camera_settings_.FormShow();
    platform_.RunCameraSettingsDialog();
}

void MainWindowLogic::About1Click() {
    if (movie_.nType != kM4v) platform_.ShowAbout();
}

}  // namespace qv::app

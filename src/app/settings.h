// The main window's keys of the settings file and the shared settings values, with their defaults,
// read in the order the window reads them at start and written in the order it writes them at
// close.
#pragma once

#include <array>
#include <string>

#include "app/ini_file.h"
#include "diag/diagnostics_logic.h"

namespace qv::app {

struct PlayerSettings {
    // "window" section; -1 keeps the designed value.
    int nMainWinX = -1;
    int nMainWinY = -1;
    int nMainWinWidth = -1;
    int nMainWinHeight = -1;
    // "settings" section.
    int nFrmRate = 0;
    int nZoom = 100;
    int nMotionThreshold = 50;
    int nShowDiags = 0;  // "ShowDiags", first under "window", then under "settings"
    int bShowExpo = 0;
    int bShowTimes = 0;    // owned by the diagnostics window, carried through
    int bDumpRTCData = 0;  // owned by the diagnostics window, carried through
    int nInt1 = 1;
    int nInt2 = 2;
    int nInt3 = 5;
    int nAVIQuant = 2;
    int nFlicker = 0;
    int cDrive = 67;  // character code of the camera drive letter
    int wCamMode = 0;
    int g_bEmbedTime = 0;
    std::array<int, 4> nResolution{0, 0, 0, 0};
    int g_nDeblockMethod = 2;
    int nTestLanguage = 0;
    int g_nExportMode = 0;
};

inline constexpr const char* kWindowSection = "window";
inline constexpr const char* kSettingsSection = "settings";

// Reads every key of the main window in start-up order; missing keys give the defaults above.
PlayerSettings ReadPlayerSettings(const ProfileStore& store);
// Writes the keys saved at close, in their order. "ShowDiags" and "TestLanguage" are not written.
void WritePlayerSettings(ProfileStore& store, const PlayerSettings& s);

// The diagnostics window's keys at its creation: its place ("nDiagWinX", "nDiagWinY" under
// "window", each kept when below 0) and, only with "ShowDiags" on, which shows the window, the
// bad-frame, good-frame and end-of-image switches (any non-zero value is on).
void ReadDiagnosticsSettings(const ProfileStore& store, bool show_diags, diag::DiagnosticsLogic& d);
// Its keys at its destruction: its place, then the three switches as 0 or 1.
void WriteDiagnosticsSettings(ProfileStore& store, const diag::DiagnosticsLogic& d);

// Where the settings file lives: beside the executable (its name with the extension "ini") when
// that folder is writable, else $XDG_CONFIG_HOME/qvplay/qvplay.ini, $XDG_CONFIG_HOME defaulting to
// $HOME/.config. Empty when neither can be derived.
std::string SettingsPathFor(const std::string& executable_path, bool executable_dir_writable,
                            const char* xdg_config_home, const char* home);
// The same for the running program, creating the configuration folder when that one is used. A
// program in the folder the build installs programs into (e.g. /usr/bin) always takes the latter.
std::string DefaultSettingsPath();

}  // namespace qv::app

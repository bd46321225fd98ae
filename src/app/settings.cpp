#include "app/settings.h"

#include <cstdlib>

#include "platform/paths.h"

namespace qv::app {

PlayerSettings ReadPlayerSettings(const ProfileStore& store) {
    const char* w = kWindowSection;
    const char* s = kSettingsSection;
    PlayerSettings r;
    r.nMainWinX = store.GetInt(w, "nMainWinX", -1);
    r.nMainWinY = store.GetInt(w, "nMainWinY", -1);
    r.nMainWinWidth = store.GetInt(w, "nMainWinWidth", -1);
    r.nMainWinHeight = store.GetInt(w, "nMainWinHeight", -1);
    r.nFrmRate = store.GetInt(s, "nFrmRate", 0);
    r.nZoom = store.GetInt(s, "nZoom", 100);
    r.nMotionThreshold = store.GetInt(s, "nMotionThreshold", 50);
    const int first_diags = store.GetInt(w, "ShowDiags", 0);
    r.bShowExpo = store.GetInt(s, "bShowExpo", 0);
    r.nShowDiags = store.GetInt(s, "ShowDiags", first_diags);
    r.nInt1 = store.GetInt(s, "nInt1", 1);
    r.nInt2 = store.GetInt(s, "nInt2", 2);
    r.nInt3 = store.GetInt(s, "nInt3", 5);
    r.nAVIQuant = store.GetInt(s, "nAVIQuant", 2);
    r.nFlicker = store.GetInt(s, "nFlicker", 0);
    r.cDrive = store.GetInt(s, "cDrive", 67);
    r.wCamMode = store.GetInt(s, "wCamMode", 0);
    r.g_bEmbedTime = store.GetInt(s, "g_bEmbedTime", 0);
    for (int i = 0; i < 4; ++i)
        r.nResolution[static_cast<size_t>(i)] =
            store.GetInt(s, "nResolution" + std::to_string(i), 0);
    r.g_nDeblockMethod = store.GetInt(s, "g_nDeblockMethod", 2);
    r.nTestLanguage = store.GetInt(s, "TestLanguage", 0);
    r.g_nExportMode = store.GetInt(s, "g_nExportMode", 0);
    // The diagnostics switches are the diagnostics window's own keys; the main window writes them
    // back at close, so it carries what the file held.
    r.bShowTimes = store.GetInt(s, "bShowTimes", 0);
    r.bDumpRTCData = store.GetInt(s, "bDumpRTCData", 0);
    return r;
}

void ReadDiagnosticsSettings(const ProfileStore& store, bool show_diags,
                             diag::DiagnosticsLogic& d) {
    const int x = store.GetInt(kWindowSection, "nDiagWinX", -1);
    const int y = store.GetInt(kWindowSection, "nDiagWinY", -1);
    if (x >= 0) d.left = x;
    if (y >= 0) d.top = y;
    d.visible = show_diags;
    if (!show_diags) return;
    d.g_bShowBadFrames = store.GetInt(kSettingsSection, "g_bShowBadFrames", 0) != 0;
    d.bReportAllFrames = store.GetInt(kSettingsSection, "bReportAllFrames", 0) != 0;
    d.decoder.cbCheckSpuriousEOI = store.GetInt(kSettingsSection, "bCheckSpuriousEOI", 0) != 0;
}

void WriteDiagnosticsSettings(ProfileStore& store, const diag::DiagnosticsLogic& d) {
    store.PutInt(kWindowSection, "nDiagWinX", d.left);
    store.PutInt(kWindowSection, "nDiagWinY", d.top);
    store.PutInt(kSettingsSection, "g_bShowBadFrames", d.g_bShowBadFrames ? 1 : 0);
    store.PutInt(kSettingsSection, "bReportAllFrames", d.bReportAllFrames ? 1 : 0);
    store.PutInt(kSettingsSection, "bCheckSpuriousEOI", d.decoder.cbCheckSpuriousEOI ? 1 : 0);
}

void WritePlayerSettings(ProfileStore& store, const PlayerSettings& r) {
    const char* w = kWindowSection;
    const char* s = kSettingsSection;
    store.PutInt(w, "nMainWinX", r.nMainWinX);
    store.PutInt(w, "nMainWinY", r.nMainWinY);
    store.PutInt(w, "nMainWinWidth", r.nMainWinWidth);
    store.PutInt(w, "nMainWinHeight", r.nMainWinHeight);
    store.PutInt(s, "bShowExpo", r.bShowExpo);
    store.PutInt(s, "bShowTimes", r.bShowTimes);
    store.PutInt(s, "bDumpRTCData", r.bDumpRTCData);
    store.PutInt(s, "nFrmRate", r.nFrmRate);
    store.PutInt(s, "nZoom", r.nZoom);
    store.PutInt(s, "nMotionThreshold", r.nMotionThreshold);
    store.PutInt(s, "nInt1", r.nInt1);
    store.PutInt(s, "nInt2", r.nInt2);
    store.PutInt(s, "nInt3", r.nInt3);
    store.PutInt(s, "nAVIQuant", r.nAVIQuant);
    store.PutInt(s, "nFlicker", r.nFlicker);
    for (int i = 0; i < 4; ++i)
        store.PutInt(s, "nResolution" + std::to_string(i), r.nResolution[static_cast<size_t>(i)]);
    store.PutInt(s, "cDrive", r.cDrive);
    store.PutInt(s, "wCamMode", r.wCamMode);
    store.PutInt(s, "g_bEmbedTime", r.g_bEmbedTime);
    store.PutInt(s, "g_nDeblockMethod", r.g_nDeblockMethod);
    store.PutInt(s, "g_nExportMode", r.g_nExportMode);
}

std::string SettingsPathFor(const std::string& executable_path, bool executable_dir_writable,
                            const char* xdg_config_home, const char* home) {
    if (!executable_path.empty() && executable_dir_writable) {
        const size_t slash = executable_path.find_last_of('/');
        const size_t dot = executable_path.find_last_of('.');
        const bool has_ext =
            dot != std::string::npos && (slash == std::string::npos || dot > slash);
        return (has_ext ? executable_path.substr(0, dot) : executable_path) + ".ini";
    }
    std::string base;
    if (xdg_config_home && *xdg_config_home == '/') {
        base = xdg_config_home;
    } else if (home && *home) {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    return base + "/qvplay/qvplay.ini";
}

std::string DefaultSettingsPath() {
    const std::string exe = platform::ExecutablePath();
    const std::string dir = exe.substr(0, exe.find_last_of('/') + 1);
    // The installed player is shared by every user of the machine: its settings are each user's
    // own, even for root, who can write into the programs' folder.
    const bool installed = dir == std::string(QV_INSTALL_BINDIR) + "/";
    const bool writable =
        !exe.empty() && !installed && platform::IsFolderWritable(dir.empty() ? "." : dir);
    std::string path =
        SettingsPathFor(exe, writable, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!writable && !path.empty()) platform::CreateFolders(path.substr(0, path.find_last_of('/')));
    return path;
}

}  // namespace qv::app

// What the player logic asks of the window toolkit: the playback timer, the beep, the message
// window and boxes, the open dialog, letting pending events run, the focus, waiting, the About
// window, waking the window's thread for the sound output's notices and ending the application. The
// Qt window implements it; tests use a recording fake.
#pragma once

#include <string>
#include <vector>

#include "app/control_names.h"

namespace qv::app {

// The message window's four texts, chosen by a selector.
enum MessageSelector : int {
    kMsgNoDir = 0,
    kMsgNotFound = 1,
    kMsgUnknownFormat = 2,
    kMsgNoFrames = 3,
};
// The text of a selector ("File Not Found", ...); empty outside 0..3.
std::string MessageText(int selector);

struct OpenDialogFilter {
    std::string label;
    std::vector<std::string> extensions;  // ".avi", matched in any letter case
};

struct OpenDialogRequest {
    std::string file_name = "*.avi";  // a pattern here only chooses among the filters
    std::string default_extension = "AVI";
    std::vector<OpenDialogFilter> filters = {{"Recordings", {".avi", ".m4v", ".tkm"}},
                                             {"AVI", {".avi"}},
                                             {"M4V", {".m4v"}},
                                             {"TKM", {".tkm"}}};
    bool multi_select = true;
};

// The file-save dialog of an export; it asks before replacing an existing file.
struct SaveDialogRequest {
    std::string folder;     // where it opens
    std::string file_name;  // proposed
    std::string filter_label;
    std::string filter_pattern;  // "*.avi"
    std::string default_extension;
};

class Platform {
  public:
    virtual ~Platform() = default;
    // Runs the playback timer at interval_ms, or stops it.
    virtual void SetTimer(bool enabled, int interval_ms) = 0;
    virtual void Beep() = 0;
    // The modal message window with one of its texts.
    virtual void ShowMessageWindow(int selector) = 0;
    // A modal error box.
    virtual void ShowErrorBox(const std::string& text, const std::string& caption) = 0;
    // A modal box that tells the user something that is not an error.
    virtual void ShowInformationBox(const std::string& text, const std::string& caption) = 0;
    // Runs the open dialog; the chosen paths in the dialog's order, none when cancelled.
    virtual std::vector<std::string> RunOpenDialog(const OpenDialogRequest& request) = 0;
    // Runs the save dialog; the chosen path, or an empty text when cancelled.
    virtual std::string RunSaveDialog(const SaveDialogRequest& /*request*/) { return {}; }
    // Shows the export dialog and returns when it has been hidden (OK or Cancel).
    virtual void RunExportDialog() {}
    // Shows the Camera Settings dialog modally; returns when it has closed.
    virtual void RunCameraSettingsDialog() {}
    // Puts the focus on the dialog's hours (0), minutes (1) or seconds (2) edit.
    virtual void FocusCameraField(int /*field*/) {}
    // Lets pending window events run (repaints, clicks) during long work.
    virtual void ProcessPendingEvents() = 0;
    // Puts the keyboard focus on a control.
    virtual void FocusControl(ControlName /*name*/) {}
    // Waits, letting nothing else run.
    virtual void Wait(int ms) = 0;
    virtual void ShowAbout() = 0;
    // Ends the application after the current event.
    virtual void Quit() = 0;
    // Called on the sound device's thread when notices wait for the window's thread: the toolkit
    // must soon call MainWindowLogic::WmAudioNotice on its own thread. Must not block.
    virtual void WakeForAudioNotices() = 0;
};

}  // namespace qv::app

// What the player logic asks of the window toolkit: the playback timer, the beep, the message
// window and boxes, the open dialog, letting pending events run, waiting, the About window and
// ending the application. The Qt window implements it; tests use a recording fake.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

struct OpenDialogRequest {
    std::string file_name = "*.avi";
    std::string default_extension = "AVI";
    std::string filter_label = "AVI";
    bool multi_select = true;
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
    // Runs the open dialog; the chosen paths in the dialog's order, none when cancelled.
    virtual std::vector<std::string> RunOpenDialog(const OpenDialogRequest& request) = 0;
    // Lets pending window events run (repaints, clicks) during long work.
    virtual void ProcessPendingEvents() = 0;
    // Waits, letting nothing else run.
    virtual void Wait(int ms) = 0;
    virtual void BringToFront() = 0;
    virtual void ShowAbout() = 0;
    // Ends the application after the current event.
    virtual void Quit() = 0;
    // A millisecond tick.
    virtual uint32_t TickMs() = 0;
    // When the file was made (any monotonic unit); kUnknownCreationTime when it cannot be read.
    virtual int64_t FileCreationTime(const std::string& path) = 0;
};

}  // namespace qv::app

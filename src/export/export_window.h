// Where an export shows itself: the progress window, and the notes and failures it reports. The
// main window shows them in its windows; qvplay-cli draws a bar and prints the failures.
#pragma once

#include <string>

namespace qv::exports {

class ExportWindow {
  public:
    virtual ~ExportWindow() = default;
    virtual void ProgressStart(int start, int end, int step) = 0;
    virtual void ProgressText(const std::string& text) = 0;
    virtual void ProgressStep() = 0;
    virtual void ProgressDone() = 0;
    // A message box with the error icon ("End frame cannot come before start frame", "Note").
    virtual void ShowNote(const std::string& text, const std::string& caption) = 0;
    // The export failed; text says which file and why.
    virtual void ReportFailure(const std::string& text) = 0;
};

}  // namespace qv::exports

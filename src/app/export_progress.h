// The progress window "Extracting ..." without the window, driven by an export; a failure or note
// of the export goes to a message box.
#pragma once

#include <string>

#include "app/platform_seam.h"
#include "export/export_window.h"

namespace qv::app {

class ExportProgress final : public exports::ExportWindow {
  public:
    explicit ExportProgress(Platform& platform) : platform_(platform) {}

    void ProgressStart(int start, int end, int step) override;
    void ProgressText(const std::string& text) override;
    void ProgressStep() override;
    void ProgressDone() override;
    void ShowNote(const std::string& text, const std::string& caption) override;
    void ReportFailure(const std::string& text) override;

    bool visible = false;
    std::string caption = "Extracting ...";
    std::string lblProgress;
    int maximum = 0;
    int position = 0;

  private:
    void ShowCount();

    Platform& platform_;
    int total_ = 0;
    int done_ = 0;
};

}  // namespace qv::app

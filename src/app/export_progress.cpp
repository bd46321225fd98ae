#include "app/export_progress.h"

namespace qv::app {

void ExportProgress::ShowCount() {
    lblProgress = std::to_string(done_) + " of " + std::to_string(total_);
}

void ExportProgress::ProgressStart(int start, int end, int step) {
    visible = true;
    total_ = step > 0 ? (end - start) / step + 1 : 0;
    done_ = 0;
    maximum = total_;
    position = 0;
    caption = "Exporting " + std::to_string(total_) + " frames";
    ShowCount();
    platform_.ProcessPendingEvents();
}

void ExportProgress::ProgressText(const std::string& text) {
    lblProgress = text;
    platform_.ProcessPendingEvents();
}

void ExportProgress::ProgressStep() {
    ++done_;
    position = done_;
    ShowCount();
    platform_.ProcessPendingEvents();
}

void ExportProgress::ProgressDone() {
    lblProgress = "Done";
    platform_.ProcessPendingEvents();
    platform_.Wait(1000);
    visible = false;
}

void ExportProgress::ShowNote(const std::string& text, const std::string& caption_text) {
    platform_.ShowErrorBox(text, caption_text);
}

void ExportProgress::ReportFailure(const std::string& text) {
    visible = false;
    platform_.ShowErrorBox("The export failed: " + text, "Error");
}

}  // namespace qv::app

// Exporting a segment of the open camera AVI from the main window: the segment marks of the seek
// bar's menu and the export command with its dialog and progress window.
#include "app/main_window.h"
#include "export/export_segment.h"

namespace qv::app {

void MainWindowLogic::SaveStartClick() {
    if (SearchOffered())
        export_dialog_.edtExtractFirst = std::to_string(media_.avi.CurrentFrame() + 1);
}

void MainWindowLogic::SaveEndClick() {
    if (SearchOffered())
        export_dialog_.edtExtractLast = std::to_string(media_.avi.CurrentFrame() + 1);
}

void MainWindowLogic::Extract1Click() {
    if (!SearchOffered() || search_.Running()) return;
    StopPlay();
    export_dialog_.FormShow();
    platform_.RunExportDialog();
    if (!export_dialog_.bExportConfirmed) return;
    const ExportDialog& d = export_dialog_;
    exports::ExportSegment(media_.avi, ParseProfileInt(d.edtExtractFirst, 0) - 1,
                           ParseProfileInt(d.edtExtractLast, 0) - 1,
                           ParseProfileInt(d.edtExtractSkip, 0) + 1, d.edtExtractFile,
                           settings_.g_nExportMode, export_progress_);
}

}  // namespace qv::app

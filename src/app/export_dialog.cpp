#include "app/export_dialog.h"

#include <cstdio>

namespace qv::app {
namespace {

constexpr const char* kExtractionSection = "extraction";
constexpr size_t kMaxFolderLength = 260;

}  // namespace

void ExportDialog::FormShow() {
    const std::string* dir = ini_.Find(kExtractionSection, "dir");
    output_folder = dir && dir->size() <= kMaxFolderLength ? *dir : std::string();
    rgExportAs = g_nExportMode == 1 ? 1 : 0;
    bExportConfirmed = false;
    visible = true;
    ProposeExportName();
}

void ExportDialog::FormHide() {
    ini_.PutString(kExtractionSection, "dir", output_folder);
}

void ExportDialog::rgExportAsClick(int item) {
    rgExportAs = item == 1 ? 1 : 0;
    g_nExportMode = rgExportAs;
    ProposeExportName();
}

void ExportDialog::ProposeExportName() {
    std::string name = base_name_;
    if (rgExportAs == 1) {
        name += "_.jpg";
        filter_label = "JPEG Pictures";
        filter_pattern = "*.jpg";
        default_extension = "jpg";
    } else {
        char range[48];
        std::snprintf(range, sizeof range, "_%5.5d_%5.5d.avi", ParseProfileInt(edtExtractFirst, 0),
                      ParseProfileInt(edtExtractLast, 0));
        name += range;
        filter_label = "AVI Movie";
        filter_pattern = "*.avi";
        default_extension = "avi";
    }
    edtExtractFile = output_folder + name;
}

void ExportDialog::bbOKClick() {
    ProposeExportName();
    SaveDialogRequest request;
    request.folder = output_folder;
    request.file_name = edtExtractFile.substr(output_folder.size());
    request.filter_label = filter_label;
    request.filter_pattern = filter_pattern;
    request.default_extension = default_extension;
    const std::string chosen = platform_.RunSaveDialog(request);
    // Cancelling the save dialog keeps the export dialog open.
    if (chosen.empty()) return;
    const size_t slash = chosen.find_last_of('/');
    output_folder = slash == std::string::npos ? std::string() : chosen.substr(0, slash + 1);
    edtExtractFile = chosen;
    bExportConfirmed = true;
    visible = false;
    FormHide();
}

void ExportDialog::BitBtn1Click() {
    bExportConfirmed = false;
    visible = false;
    FormHide();
}

void ExportDialog::PrimeRange(int frames) {
    // Both numbers go through to_string: gcc 12's -O3 takes the literal's copy for an overlap.
    edtExtractFirst = std::to_string(1);
    edtExtractLast = std::to_string(frames);
}

}  // namespace qv::app

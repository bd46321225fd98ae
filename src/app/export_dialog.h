// The export dialog "Export" without the window: the range, skip and format fields, the proposed
// file name, the save dialog it runs, and the folder of the last export ("dir" under
// "extraction").
#pragma once

#include <string>

#include "app/ini_file.h"
#include "app/platform_seam.h"

namespace qv::app {

class ExportDialog {
  public:
    // export_mode is g_nExportMode; base_name the base name of the playlist entry played last.
    ExportDialog(Platform& platform, IniFile& ini, int& export_mode, const std::string& base_name)
        : platform_(platform), ini_(ini), g_nExportMode(export_mode), base_name_(base_name) {}

    void FormShow();
    void FormHide();
    void rgExportAsClick(int item);
    void bbOKClick();
    void BitBtn1Click();
    void ProposeExportName();
    // A successful open: the range is the whole movie.
    void PrimeRange(int frames);

    // The fields as the user reads and types them.
    std::string edtExtractFirst = "1";
    std::string edtExtractLast = "100";
    std::string edtExtractSkip = "0";
    std::string edtExtractFile = "extracted.avi";  // the output path; hidden
    int rgExportAs = 0;
    bool bExportConfirmed = false;
    bool visible = false;
    // The save dialog's filter and default extension for the export mode.
    std::string filter_label = "AVI Movie";
    std::string filter_pattern = "*.avi";
    std::string default_extension = "avi";
    std::string output_folder;  // ends in "/" when set

  private:
    Platform& platform_;
    IniFile& ini_;
    int& g_nExportMode;
    const std::string& base_name_;
};

}  // namespace qv::app

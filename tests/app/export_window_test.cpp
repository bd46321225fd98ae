// The export commands in the main window: the segment marks, the proposed names, the save
// dialog's answer and the folder of the last export.
#include <gtest/gtest.h>

#include "player_harness.h"

namespace qv::app {
namespace {

class ExportWindowTest : public ::testing::Test, protected testing::PlayerHarness {
  protected:
    void SetUp() override {
        testing::FakeMovie m;
        m.frames = 250;
        AddMovie("/m/park.avi", 1, m);
        Start({"/m/park.avi"});
        logic.sbPauseClick();
    }
    ExportDialog& dialog() { return logic.export_dialog(); }
};

TEST_F(ExportWindowTest, MarksSetTheRangeAndTheNameFollowsTheFormat) {
    EXPECT_EQ(dialog().edtExtractLast, "250");  // primed by the open
    std::string proposed, filter;
    platform.in_export_dialog = [&] {
        proposed = dialog().edtExtractFile;
        filter = dialog().filter_label;
    };
    logic.Extract1Click();
    EXPECT_EQ(proposed, "park_00001_00250.avi");
    EXPECT_EQ(filter, "AVI Movie");
    logic.tbWhereEnter();
    logic.tbWhereChange(9);
    logic.SaveStartClick();
    logic.tbWhereChange(19);
    logic.SaveEndClick();
    dialog().FormShow();
    EXPECT_EQ(dialog().edtExtractFile, "park_00010_00020.avi");
    dialog().rgExportAsClick(1);
    EXPECT_EQ(dialog().edtExtractFile, "park_.jpg");
    EXPECT_EQ(dialog().default_extension, "jpg");
    EXPECT_EQ(logic.settings().g_nExportMode, 1);
}

TEST_F(ExportWindowTest, CancelledSaveDialogKeepsTheDialogAndTheChosenFolderIsKept) {
    platform.in_export_dialog = [&] {
        dialog().bbOKClick();  // save dialog cancelled
        EXPECT_TRUE(dialog().visible);
        platform.save_result = "/exports/day1/park_00001_00250.avi";
        dialog().bbOKClick();
    };
    logic.Extract1Click();
    EXPECT_FALSE(dialog().visible);
    EXPECT_TRUE(dialog().bExportConfirmed);
    EXPECT_EQ(dialog().output_folder, "/exports/day1/");
    // The fake has no file to copy: the export is reported, not taken for done.
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    EXPECT_EQ(platform.error_boxes[0].rfind("Error: The export failed", 0), 0u);
    // The next time the dialog opens in that folder, even after a Cancel.
    platform.in_export_dialog = [&] { dialog().BitBtn1Click(); };
    logic.Extract1Click();
    EXPECT_EQ(dialog().edtExtractFile, "/exports/day1/park_00001_00250.avi");
    EXPECT_FALSE(dialog().bExportConfirmed);
}

}  // namespace
}  // namespace qv::app

// The Camera Settings dialog's rules: the hours, minutes and seconds of each switch position with
// their limits, carries and keys, the rising intervals, and the file written on OK.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "camera/camera_settings_logic.h"

namespace qv::camera {
namespace {

namespace fs = std::filesystem;

class Host : public CameraDialogHost {
  public:
    void Beep() override { ++beeps; }
    void FocusField(int field) override { focused = field; }
    void ShowNoDirMessage() override { ++no_dir; }
    void ShowWriteFailure(const std::string& text) override { failures += text; }
    std::time_t Now() override { return 1796000000; }
    int beeps = 0, focused = -1, no_dir = 0;
    std::string failures;
};

class CameraDialogTest : public ::testing::Test {
  protected:
    int nInt1 = 10, nInt2 = 5, nInt3 = 60, nAVIQuant = 2, nFlicker = 0, cDrive = 67, wCamMode = 0;
    std::array<int, 4> nResolution{0, 0, 0, 0};
    const std::string root =
        (fs::temp_directory_path() / ("qv_drive_" + std::to_string(getpid()))).string();
    std::string drive_root = root;  // the setting the dialog changes on OK
    Host host;
    CameraSettingsLogic d{
        {nInt1, nInt2, nInt3, nAVIQuant, nFlicker, cDrive, wCamMode, nResolution, drive_root},
        host};
    void SetUp() override { fs::create_directories(root); }
    void TearDown() override { fs::remove_all(root); }
};

TEST_F(CameraDialogTest, IntervalsRiseAndTwelveHoursStopsTheSmallerArrows) {
    d.FormShow();
    EXPECT_EQ(d.edits[2], "10");
    d.rgSwitchClick(1);  // position 2 held 5 s: raised above position 1's 10 s
    EXPECT_EQ(d.edits[2], "11");
    d.edtHoursChange("12");
    EXPECT_EQ(d.edits[2], "0");
    d.udMinutesClick(1);
    d.udSecondsClick(1);
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(d.arrows[1], 0);
    d.edtHoursChange("24");  // only position 3 takes 24 hours
    EXPECT_EQ(host.beeps, 3);
    EXPECT_EQ(d.edits[0], "12");
    d.rgSwitchClick(2);
    EXPECT_EQ(d.hours_maximum, 13);
    d.udHoursClick(13);
    EXPECT_EQ(d.edits[0], "24");
    EXPECT_TRUE(d.KeyPress(1, '5'));  // no digit while the hours are 24
    EXPECT_TRUE(d.bOKClick());
    EXPECT_EQ(nInt2, 43200);
    EXPECT_EQ(nInt3, kOneDay);
    std::ifstream in(RegistryPath(root), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), 30u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[9]), 0xFF);  // 24 hours
    EXPECT_EQ(static_cast<uint8_t>(bytes[10]), 0xFF);
}

TEST_F(CameraDialogTest, SecondsCarryIntoMinutesAndKeysAreFiltered) {
    d.FormShow();
    d.edtSecondsChange("59");
    d.udSecondsClick(60);  // the arrow steps from 59 to 60
    EXPECT_EQ(d.edits[2], "0");
    EXPECT_EQ(d.edits[1], "1");
    d.edtSecondsChange("75");
    d.edtSecondsExit();  // a typed value carries on leaving the edit
    EXPECT_EQ(d.edits[1], "2");
    EXPECT_EQ(d.edits[2], "15");
    EXPECT_TRUE(d.KeyPress(0, '\r'));
    EXPECT_EQ(host.focused, 1);
    EXPECT_TRUE(d.KeyPress(2, '\r'));
    EXPECT_EQ(host.focused, 0);
    EXPECT_FALSE(d.KeyPress(1, '\b'));
    EXPECT_FALSE(d.KeyPress(1, '7'));
    EXPECT_TRUE(d.KeyPress(1, 'x'));
}

TEST_F(CameraDialogTest, FlagsFilterAndDriveFollowTheirRules) {
    wCamMode = kModeExposureLock;
    d.cbLoop = true;
    d.FormShow();
    EXPECT_TRUE(d.cbExpoLock);
    EXPECT_TRUE(d.cbLoop);  // a clear bit does not clear the box
    d.rgFlickerClick(2);
    EXPECT_EQ(nFlicker, kFlicker50Hz);
    d.bCancelClick();
    EXPECT_EQ(nFlicker, 0);  // Cancel puts the filter back
    d.FormShow();
    d.cbDriveChange("/nonexistent/drive");
    EXPECT_FALSE(d.bOKClick());
    EXPECT_EQ(host.no_dir, 1);
    EXPECT_EQ(nInt1, 10);  // the intervals are kept all the same
    d.FormShow();
    d.cbDriveChange(root);  // a drive without the folders gets them
    EXPECT_TRUE(d.bOKClick());
    EXPECT_TRUE(fs::exists(RegistryPath(root)));
}

}  // namespace
}  // namespace qv::camera

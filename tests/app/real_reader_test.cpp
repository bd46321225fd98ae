// The player on the real readers. Saving the picture on screen: a camera AVI frame is its stored
// JPEG bytes, an MPEG-4 picture a bitmap that ffprobe reads at the picture's size; a failed save
// is said. The diagnostics window: the camera's clock dump, grey mode and the focus score.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "app/main_window.h"
#include "audio/audio_fakes.h"
#include "fakes.h"
#include "fixtures/camera_recording.h"
#include "fixtures/reference_decoder.h"
#include "shell_output.h"

namespace qv::app {
namespace {

class RealReaderTest : public ::testing::Test {
  protected:
    RealReaderTest() : logic(platform, platform, {*avi, *stream, sound}, "") {}
    void Start(const std::string& path) {
        logic.FormCreate({path});
        logic.FormResize(1096, 702);
        logic.FormShow(1920, 1080);
        logic.sbPauseClick();
    }
    testing::FakePlatform platform;
    std::unique_ptr<AviReader> avi = MakeCameraAviReader();
    std::unique_ptr<StreamMedia> stream = MakeStreamMedia();
    audio::testing::FakeDevices sound;
    MainWindowLogic logic;
};

using qv::testing::ShellOutput;

TEST(SaveFrameName, NumbersWidenAndTkmPositionsAreHexadecimal) {
    EXPECT_EQ(SaveFrameName(kAvi, 1), "tkfrm00001.jpg");
    EXPECT_EQ(SaveFrameName(kAvi, 123457), "tkfrm123457.jpg");
    EXPECT_EQ(SaveFrameName(kM4v, 12), "tkfrm00012.bmp");
    EXPECT_EQ(SaveFrameName(kTkm, 300), "tkfrm00012c.bmp");
}

TEST_F(RealReaderTest, AviFrameIsSavedAsTheStoredJpegBytes) {
    fixtures::RecordingOptions o;
    o.avi.width = 96;
    o.avi.height = 64;
    o.frame_count = 6;
    const fixtures::Recording rec = fixtures::MakeRecording(o);
    const std::string dir = ::testing::TempDir();
    ASSERT_TRUE(fixtures::WriteBytes(dir + "save.avi", rec.avi.bytes));
    Start(dir + "save.avi");
    logic.sbNextClick();
    logic.sbNextClick();
    platform.save_result = dir + "frame3.jpg";
    logic.SaveCurrent1Click();
    ASSERT_EQ(platform.save_requests.size(), 1u);
    EXPECT_EQ(platform.save_requests[0].file_name, "tkfrm00003.jpg");
    EXPECT_EQ(platform.save_requests[0].folder, dir);
    const fixtures::Bytes saved = fixtures::ReadBytes(dir + "frame3.jpg");
    EXPECT_EQ(saved, rec.frames[2]);
    EXPECT_EQ(fixtures::DecodeReference(saved).width, 96);
    // A folder that does not exist: said in a box, nothing written.
    platform.save_result = dir + "no/such/folder/x.jpg";
    logic.SaveCurrent2Click();
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    EXPECT_NE(platform.error_boxes[0].find("x.jpg"), std::string::npos);
}

TEST_F(RealReaderTest, MpegPictureIsSavedAsABitmapOfItsSize) {
    Start(std::string(QV_FIXTURE_DIR) + "/m4v/pan_176x144.m4v");
    const std::string bmp = ::testing::TempDir() + "picture.bmp";
    platform.save_result = bmp;
    logic.SaveCurrent2Click();
    const std::string name = platform.save_requests.at(0).file_name;
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp") << name;
    if (ShellOutput("command -v ffprobe").empty()) GTEST_SKIP() << "ffprobe not installed";
    EXPECT_EQ(ShellOutput("ffprobe -v error -show_entries stream=width,height -of csv=p=0 " + bmp),
              "176,144\n");
}

TEST_F(RealReaderTest, DiagnosticsSwitchesReachTheCameraDecoder) {
    fixtures::RecordingOptions o;
    o.avi.width = 800;
    o.avi.height = 360;
    o.frame_count = 3;
    o.rtc_dump = true;
    const std::string path = ::testing::TempDir() + "diag_real.avi";
    ASSERT_TRUE(fixtures::WriteBytes(path, fixtures::MakeRecording(o).avi.bytes));
    Start(path);
    logic.Diagnostics1Click();
    logic.diagnostics_commands().cbDumpRTCDataClick(true);
    logic.diagnostics_commands().cbForceBWClick(true);
    logic.sbNextClick();
    // Two lines of sixteen hexadecimal bytes, each followed by a blank.
    const std::vector<std::string>& lines = logic.diagnostics().lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 48u);
    const Picture& p = *logic.ui().picture;
    for (size_t i = 0; i + 2 < p.pixels.size(); i += 3)
        ASSERT_TRUE(p.pixels[i] == p.pixels[i + 1] && p.pixels[i] == p.pixels[i + 2]) << i;
    EXPECT_GT(std::stoi(logic.diagnostics().lblFocusScore), 0);
}

}  // namespace
}  // namespace qv::app

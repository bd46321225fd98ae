// Exported segments against the layout the cameras write, the ranges the dialog gives, and what
// happens when an output cannot be written; ffprobe and ffmpeg check what we write.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "export/avi_export_source.h"
#include "export/export_segment.h"
#include "fixtures/camera_recording.h"
#include "shell_output.h"

namespace qv::exports {
namespace {

namespace fs = std::filesystem;
using fixtures::Bytes;
using fixtures::GetLe32;

class Recorder : public ExportWindow {
  public:
    void ProgressStart(int start, int end, int step) override { total = (end - start) / step + 1; }
    void ProgressText(const std::string& text) override { texts.push_back(text); }
    void ProgressStep() override { ++steps; }
    void ProgressDone() override { done = true; }
    void ShowNote(const std::string& text, const std::string& caption) override {
        notes.push_back(caption + ": " + text);
    }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    int total = 0, steps = 0;
    bool done = false;
    std::vector<std::string> texts, notes, failures;
};

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("qv_export_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (mounted) ::umount((dir / "full").c_str());
        fs::remove_all(dir);
    }
    // A 12-frame camera recording in the given layout, opened as the export source.
    void Open(fixtures::AviLayout layout = fixtures::AviLayout::IndexBeforeMovi) {
        fixtures::RecordingOptions o;
        o.frame_count = 12;
        o.avi.width = 64;
        o.avi.height = 48;
        o.avi.scale = 3;
        o.avi.rate = 30;
        o.avi.layout = layout;
        o.avi.junk = {{"KMXPLS", 0}};
        rec = fixtures::MakeRecording(o);
        source_path = (dir / "park.avi").string();
        ASSERT_TRUE(fixtures::WriteBytes(source_path, rec.avi.bytes));
        ASSERT_EQ(movie.AviOpen(source_path), 0);
        source.Attach(source_path);
    }
    int Export(int first, int last, int skip, const std::string& out, int mode = kExportAvi) {
        return ExportSegment(source, first - 1, last - 1, skip + 1, out, mode, window);
    }

    fs::path dir;
    bool mounted = false;
    fixtures::Recording rec;
    std::string source_path;
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    AviMovie movie{metadata, flags, switches};
    AviExportSource source{movie};
    Recorder window;
};

TEST_F(ExportTest, AviLayoutKeepsTheHeaderAndPutsTheIndexBeforeTheFrames) {
    Open();
    const std::string out = (dir / "seg.avi").string();
    ASSERT_EQ(Export(1, 10, 1, out), kExportOk);  // frames 1, 3, 5, 7, 9 (one-based)
    const Bytes b = fixtures::ReadBytes(out);
    const Bytes& src = rec.avi.bytes;
    const uint32_t h = rec.avi.index_position, n = 5;
    EXPECT_EQ(GetLe32(b, 4), b.size() - 8);
    EXPECT_EQ(GetLe32(b, 48), n);
    EXPECT_EQ(GetLe32(b, 128), 3u * 2);
    EXPECT_EQ(GetLe32(b, 132), 30u * 2);
    EXPECT_EQ(GetLe32(b, 140), n);
    // Every other byte in front of the index is the source's.
    Bytes header(src.begin(), src.begin() + h - 8);
    for (size_t at : {4, 48, 128, 132, 140})
        fixtures::PutLe32(header, at, GetLe32(b, at));
    EXPECT_TRUE(std::equal(header.begin(), header.end(), b.begin()));
    EXPECT_EQ(std::string(b.begin() + h - 8, b.begin() + h - 4), "idx1");
    EXPECT_EQ(GetLe32(b, h - 4), 16 * n);
    const size_t list = h + 16 * n;
    EXPECT_EQ(std::string(b.begin() + list, b.begin() + list + 4), "LIST");
    EXPECT_EQ(std::string(b.begin() + list + 8, b.begin() + list + 12), "movi");
    uint32_t sum = 4;
    for (uint32_t i = 0; i < n; ++i) {
        const size_t e = h + 16 * i;
        const uint32_t pos = GetLe32(b, e + 8), size = GetLe32(b, e + 12);
        const Bytes& frame = rec.frames[2 * i];
        EXPECT_EQ(std::string(b.begin() + e, b.begin() + e + 4), "00db");
        EXPECT_EQ(GetLe32(b, e + 4), 16u);
        ASSERT_EQ(size, frame.size());
        EXPECT_EQ(std::string(b.begin() + pos, b.begin() + pos + 4), "00db");
        EXPECT_EQ(GetLe32(b, pos + 4), size);
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), b.begin() + pos + 8)) << i;
        sum += 8 + size;  // no pad byte after an odd size
    }
    EXPECT_EQ(GetLe32(b, list + 4), sum);
    EXPECT_EQ(list + 8 + sum, b.size());
    EXPECT_EQ(window.texts, (std::vector<std::string>{"Writing index"}));
    EXPECT_EQ(window.steps, 5);
    EXPECT_TRUE(window.done);
}

TEST_F(ExportTest, RangesAreClampedOrRefusedAndReopenWithTheSourceModelAndSpeed) {
    Open();
    const std::string out = (dir / "all.avi").string();
    ASSERT_EQ(Export(1, 99, 0, out), kExportOk);  // beyond the movie: cut to its last frame
    CameraMetadata m2;
    DisplayFlags f2;
    AviMovie again(m2, f2, switches);
    ASSERT_EQ(again.AviOpen(out), 0);
    EXPECT_EQ(again.FrameCount(), 12);
    EXPECT_EQ(again.ModelTag(), "KMXPLS");
    EXPECT_EQ(again.FramesPerSecond(), movie.FramesPerSecond());
    ASSERT_EQ(Export(7, 7, 0, out), kExportOk);
    ASSERT_EQ(again.AviOpen(out), 0);
    EXPECT_EQ(again.FrameCount(), 1);
    EXPECT_EQ(Export(13, 20, 0, out), kExportRefused);
    EXPECT_EQ(window.notes,
              (std::vector<std::string>{"Note: End frame cannot come before start frame"}));
}

TEST_F(ExportTest, JpegSequenceIsNumberedByTheFramesPlaceInTheMovie) {
    Open();
    const std::string pattern = (dir / "park_.jpg").string();
    ASSERT_EQ(Export(1, 12, 4, pattern, kExportJpeg), kExportOk);
    EXPECT_EQ(window.total, 3);
    for (int f : {0, 5, 10}) {
        const std::string name = SequenceFileName(pattern, f);
        EXPECT_EQ(fixtures::ReadBytes(name), rec.frames[static_cast<size_t>(f)]) << name;
    }
    EXPECT_EQ(fs::path(SequenceFileName(pattern, 5)).filename(), "park_00006.jpg");
    EXPECT_FALSE(fs::exists(SequenceFileName(pattern, 1)));
}

TEST_F(ExportTest, AMoviFirstSourceIsWrittenInTheCamerasLayout) {
    Open(fixtures::AviLayout::MoviBeforeIndex);
    const std::string out = (dir / "fixed.avi").string();
    ASSERT_EQ(Export(3, 8, 0, out), kExportOk);
    CameraMetadata m2;
    DisplayFlags f2;
    AviMovie again(m2, f2, switches);
    ASSERT_EQ(again.AviOpen(out), 0);
    EXPECT_EQ(again.FrameCount(), 6);
    EXPECT_EQ(again.IndexBase(), 0u);  // absolute positions, index first
    EXPECT_EQ(again.ModelTag(), "KMXPLS");
    EXPECT_EQ(again.FramesPerSecond(), movie.FramesPerSecond());
    ASSERT_EQ(again.AviReadFrame(5), 0);
    EXPECT_TRUE(std::equal(rec.frames[7].begin(), rec.frames[7].end(), again.FrameBuffer()));
}

TEST_F(ExportTest, FailedWritesAreReportedAndLeaveNoFileThatLooksComplete) {
    Open();
    // The source itself, also through a link, is refused and left as it was.
    const std::string link = (dir / "link.avi").string();
    fs::create_symlink(source_path, link);
    EXPECT_EQ(Export(1, 12, 0, link), kExportOntoSource);
    EXPECT_EQ(Export(1, 12, 0, source_path), kExportOntoSource);
    EXPECT_EQ(fixtures::ReadBytes(source_path), rec.avi.bytes);
    // A missing folder.
    EXPECT_EQ(Export(1, 12, 0, (dir / "none" / "x.avi").string()), kExportWriteFailed);
    // A full file system: a tiny tmpfs where it can be mounted, else the full device.
    fs::create_directories(dir / "full");
    mounted = ::mount("tmpfs", (dir / "full").c_str(), "tmpfs", 0, "size=8k") == 0;
    const std::string full = mounted ? (dir / "full" / "x.avi").string() : "/dev/full";
    EXPECT_EQ(Export(1, 12, 0, full), kExportWriteFailed);
    if (mounted) {
        EXPECT_TRUE(fs::is_empty(dir / "full")) << "no partial or temporary file";
    }
    ASSERT_EQ(window.failures.size(), 4u);
    EXPECT_NE(window.failures[3].find("x.avi"), std::string::npos) << window.failures[3];
    EXPECT_FALSE(window.done);
    // A sequence reports how many pictures it could not write.
    EXPECT_EQ(Export(1, 3, 0, (dir / "none" / "p_.jpg").string(), kExportJpeg), kExportWriteFailed);
    EXPECT_EQ(window.failures.back().rfind("3 of 3 pictures could not be written", 0), 0u);
}

using qv::testing::ShellOutput;

TEST_F(ExportTest, FfprobeCountsTheFramesAndFfmpegCopiesThemOutUnchanged) {
    if (ShellOutput("command -v ffprobe").empty()) GTEST_SKIP() << "ffmpeg not installed";
    Open();
    const std::string out = (dir / "probe.avi").string();
    ASSERT_EQ(Export(2, 11, 2, out), kExportOk);  // frames 2, 5, 8, 11
    EXPECT_EQ(ShellOutput("ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                          "stream=nb_read_frames -of csv=p=0 " +
                          out),
              "4\n");
    ShellOutput("ffmpeg -v error -i " + out + " -c copy -f image2 " + (dir / "c%02d.jpg").string());
    for (int i = 0; i < 4; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%02d.jpg", i + 1);
        EXPECT_EQ(fixtures::ReadBytes((dir / name).string()), rec.frames[1 + 3 * i]) << name;
    }
}

}  // namespace
}  // namespace qv::exports

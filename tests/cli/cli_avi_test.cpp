// End-to-end: qvplay-cli on camera recordings made by the fixture builder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_run.h"
#include "fixtures/camera_recording.h"
#include "fixtures/reference_decoder.h"
#include "media/picture/bmp_file.h"

namespace {

namespace fs = std::filesystem;
using qv::fixtures::RecordingOptions;
using qv::testing::Cli;
using qv::testing::CliRun;
using qv::testing::TempDir;

std::string Recording(const std::string& name, RecordingOptions o,
                      qv::fixtures::Recording* rec = nullptr) {
    std::string path = (TempDir() / name).string();
    qv::fixtures::Recording r = qv::fixtures::MakeRecording(o);
    EXPECT_TRUE(qv::fixtures::WriteBytes(path, r.avi.bytes));
    if (rec) *rec = r;
    return path;
}

RecordingOptions EventMovie() {
    RecordingOptions o;
    o.avi.width = 96;
    o.avi.height = 64;
    o.avi.scale = 2;
    o.avi.rate = 20;
    o.avi.junk = {{"WDX310", 2}};
    o.family_text = "Tarkon WDX310";
    o.frame_count = 5;
    o.event_recording = true;
    o.event_frames = {1, 4};
    o.settings.model = 3;
    o.pir_frames = {2, 3};
    o.interval_hundredths = 150;
    return o;
}

TEST(CliInfo, ReportsHeaderFlagsAndEventsAsTextAndJson) {
    std::string path = Recording("events.avi", EventMovie());
    CliRun json = Cli("info " + path + " --json");
    ASSERT_EQ(json.exit_code, 0) << json.err;
    for (const char* kv :
         {"\"kind\": \"avi\"", "\"frames\": 5", "\"width\": 96", "\"height\": 64",
          "\"capture_interval\": 2", "\"rate\": 20", "\"fps\": 10", "\"model_tag\": \"WDX310\"",
          "\"capture_mode\": 2", "\"show_capture_interval\": false", "\"show_elapsed_time\": true",
          "\"interval_asap\": false", "\"wdx_capture_mode\": 2", "\"has_capture_clock\": true",
          "\"event_recording\": true", "\"events\": [1, 4]"})
        EXPECT_NE(json.out.find(kv), std::string::npos) << kv << " in " << json.out;
    CliRun text = Cli("info " + path);
    ASSERT_EQ(text.exit_code, 0);
    EXPECT_NE(text.out.find("events:                1 4"), std::string::npos) << text.out;
}

TEST(CliFrames, RowsFollowPlaybackOrderAndRange) {
    qv::fixtures::Recording rec;
    std::string path = Recording("frames.avi", EventMovie(), &rec);
    CliRun all = Cli("frames " + path + " --json");
    ASSERT_EQ(all.exit_code, 0) << all.err;
    EXPECT_NE(all.out.find("\"frame\": 4"), std::string::npos);
    for (const char* key :
         {"\"offset\"",       "\"size\"",        "\"capture_time\"", "\"date\"",
          "\"time\"",         "\"interval_ms\"", "\"event\"",        "\"pir\"",
          "\"pir_onset\"",    "\"model\"",       "\"quality\"",      "\"flicker\"",
          "\"scene\"",        "\"custom_expo\"", "\"timer_start\"",  "\"timer_stop\"",
          "\"time_stamp\"",   "\"led\"",         "\"low_light\"",    "\"fw_rev\"",
          "\"decode_result\""})
        EXPECT_NE(all.out.find(key), std::string::npos) << key;
    std::string frame2 = "\"frame\": 2, \"offset\": " + std::to_string(rec.avi.chunk_offsets[2]) +
                         ", \"size\": " + std::to_string(rec.frames[2].size());
    EXPECT_NE(all.out.find(frame2), std::string::npos) << all.out;
    // The capture time in full: all 48 bits of hundredths since 2004, not the low 32.
    EXPECT_NE(all.out.find("\"capture_time\": " + std::to_string(rec.capture_times[2]) + ","),
              std::string::npos);
    EXPECT_NE(all.out.find("\"interval_ms\": 1500, \"event\": true, \"pir\": 0"), std::string::npos)
        << "frame 4 is an event frame";
    EXPECT_NE(all.out.find("\"pir\": 1, \"pir_onset\": 1"), std::string::npos);
    EXPECT_NE(all.out.find("\"pir\": 1, \"pir_onset\": 0"), std::string::npos);
    EXPECT_NE(all.out.find("\"date\": \"2012/03/01\", \"time\": \"06:00:03\""), std::string::npos)
        << "frame 2 captured 3 s after 06:00:00";

    CliRun some = Cli("frames " + path + " --first 2 --last 3");
    ASSERT_EQ(some.exit_code, 0);
    int rows = 0;
    std::istringstream lines(some.out);
    for (std::string line; std::getline(lines, line);)
        ++rows;
    EXPECT_EQ(rows, 3) << "header and two rows:\n" << some.out;
    EXPECT_NE(some.out.find("     2 "), std::string::npos) << "one-based numbers";
}

TEST(CliDecode, WritesTheFrameAsABitmap) {
    RecordingOptions o;
    o.avi.width = 80;
    o.avi.height = 48;
    o.frame_count = 3;
    qv::fixtures::Recording rec;
    std::string path = Recording("decode.avi", o, &rec);
    std::string bmp = (TempDir() / "frame2.bmp").string();
    CliRun r = Cli("decode " + path + " --frame 2 -o " + bmp);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    auto bytes = qv::fixtures::ReadBytes(bmp);
    qv::Picture pic;
    ASSERT_TRUE(qv::DecodeBmp24(bytes, pic));
    ASSERT_EQ(pic.width, 80);
    auto ref = qv::fixtures::DecodeReference(rec.frames[1]);
    auto psnr = qv::fixtures::PsnrPerChannel(pic.pixels.data(), pic.Stride(), ref.data.data(),
                                             80 * 3, 80, 48);
    for (double p : psnr)
        EXPECT_GE(p, 38.0);

    CliRun grey = Cli("decode " + path + " --frame 1 --grey -o " + bmp);
    ASSERT_EQ(grey.exit_code, 0);
    ASSERT_TRUE(qv::DecodeBmp24(qv::fixtures::ReadBytes(bmp), pic));
    EXPECT_EQ(pic.pixels[300], pic.pixels[301]);
}

TEST(Cli, ErrorsGoToStderrWithNonZeroExit) {
    RecordingOptions o;
    o.frame_count = 2;
    o.avi.width = 32;
    o.avi.height = 32;
    std::string path = Recording("err.avi", o);
    const std::string cases[] = {
        "info " + (TempDir() / "missing.avi").string(),
        "decode " + path + " --frame 3 -o " + (TempDir() / "x.bmp").string(),
        "decode " + path + " --frame 0 -o " + (TempDir() / "x.bmp").string(),
        "decode " + path + " --frame 1",
        "frames " + path + " --first x",
        "frames " + path + " --first 2 --last 1",
        "decode " + path + " --frame 99999999999999999999 -o " + (TempDir() / "x.bmp").string(),
        "decode " + path + " --frame 1 --deblock 3 -o " + (TempDir() / "x.bmp").string(),
        "decode " + path + " --frame 1 -o " + (TempDir() / "no" / "x.bmp").string(),
        "audio " + path + " -o " + (TempDir() / "x.wav").string(),
        "info " + TempDir().string(),
    };
    for (const std::string& c : cases) {
        CliRun r = Cli(c);
        EXPECT_NE(r.exit_code, 0) << c;
        EXPECT_EQ(r.err.rfind("qvplay-cli: ", 0), 0u) << c << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c;
        // The file is named once, with the reason, never as a wrapped number.
        EXPECT_EQ(r.err.find(".bmp: /"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("9223372036854775807"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("unknown kind"), std::string::npos) << r.err;
    }
    EXPECT_NE(Cli(cases[0]).err.find("No such file or directory"), std::string::npos);
    std::string noindex = (TempDir() / "noindex.avi").string();
    o.avi.layout = qv::fixtures::AviLayout::NoIndex;
    qv::fixtures::WriteBytes(noindex, qv::fixtures::MakeRecording(o).avi.bytes);
    CliRun r = Cli("info " + noindex);
    EXPECT_NE(r.exit_code, 0);
    EXPECT_NE(r.err.find("not a camera AVI"), std::string::npos) << r.err;

    CliRun help = Cli("--help");
    EXPECT_EQ(help.exit_code, 0);
    for (const char* cmd : {"info FILE", "frames FILE", "decode FILE", "--grey", "--first"})
        EXPECT_NE(help.out.find(cmd), std::string::npos) << cmd;
}

// A header that claims more lines than the player shows: info and frames still read the file,
// decode says why it cannot; at 4096 lines the frame's own smaller size is the bad-frame line.
TEST(Cli, ClaimedPictureSizesTheFramesDoNotHave) {
    RecordingOptions o;
    o.frame_count = 2;
    o.avi.width = 32;
    o.avi.height = 32;
    qv::fixtures::Recording rec;
    std::string path = Recording("tall.avi", o, &rec);
    for (uint32_t height : {4097u, 4096u}) {
        qv::fixtures::Bytes b = rec.avi.bytes;
        qv::fixtures::PutLe32(b, qv::fixtures::avi_offset::kHeight, height);
        ASSERT_TRUE(qv::fixtures::WriteBytes(path, b));
        CliRun info = Cli("info " + path);
        EXPECT_EQ(info.exit_code, 0) << info.err;
        EXPECT_NE(info.out.find("frames:                2"), std::string::npos);
        CliRun frames = Cli("frames " + path + " --json");
        EXPECT_EQ(frames.exit_code, 0) << frames.err;
        EXPECT_NE(
            frames.out.find(height > 4096 ? "\"decode_result\": -6" : "\"decode_result\": -7"),
            std::string::npos);
        CliRun decode = Cli("decode " + path + " --frame 1 -o " + (TempDir() / "t.bmp").string());
        EXPECT_NE(decode.exit_code, 0);
        EXPECT_NE(decode.err.find(height > 4096 ? "beyond what the player shows"
                                                : "is 32x32 by its own header"),
                  std::string::npos)
            << decode.err;
    }
}

// check on camera AVI: a frame whose scan holds a marker is listed with its byte count, the
// end-of-image check is asked for with --eoi, and the exit code says whether all was well.
TEST(Cli, CheckListsTheBadFramesOfEachRecording) {
    RecordingOptions o;
    o.frame_count = 4;
    o.avi.width = 64;
    o.avi.height = 48;
    qv::fixtures::Recording rec;
    const std::string good = Recording("check_good.avi", o, &rec);
    qv::fixtures::Bytes b = rec.avi.bytes;
    // A restart marker in the middle of frame 3's scan stops its decode.
    const size_t mid = rec.avi.chunk_offsets[2] + 8 + rec.frames[2].size() - 64;
    b[mid] = 0xFF;
    b[mid + 1] = 0xD0;
    const std::string bad = (TempDir() / "check_bad.avi").string();
    ASSERT_TRUE(qv::fixtures::WriteBytes(bad, b));
    CliRun r = Cli("check " + good + " " + bad + " --eoi --json");
    EXPECT_EQ(r.exit_code, 1) << r.err;
    EXPECT_NE(r.out.find("\"frames\": 4, \"bad\": [], \"seconds\": "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"bad\": [{\"frame\": 3, \"result\": "), std::string::npos) << r.out;
    EXPECT_LT(r.out.find("check_good.avi"), r.out.find("check_bad.avi"));
    CliRun text = Cli("check " + good);
    EXPECT_EQ(text.exit_code, 0) << text.err;
    EXPECT_NE(text.out.find(": 4 frames, 0 bad, "), std::string::npos) << text.out;
}

}  // namespace

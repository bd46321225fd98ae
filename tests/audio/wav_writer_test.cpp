#include "audio/wav_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "audio/ima_adpcm.h"
#include "audio/wav_read.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;
namespace fs = std::filesystem;

std::string RunCommand(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, pipe.get()))
        out.append(buf, n);
    return out;
}

std::string Probe(const std::string& path) {
    return RunCommand(
        "ffprobe -v error -show_entries stream=codec_name,sample_rate,channels,duration "
        "-of default=noprint_wrappers=1 '" +
        path + "' 2>&1");
}

class WavWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv_wav_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(WavWriterTest, PcmFileIsReadByFfprobe) {
    const std::string path = dir / "tone.wav";
    std::vector<int16_t> tone(16000);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<int16_t>(12000 * std::sin(i * 0.2));
    WavWriter w;
    ASSERT_TRUE(w.Create(path, Pcm16Format(1, 16000)));
    ASSERT_TRUE(w.Write(tone.data(), tone.size() * 2));
    ASSERT_TRUE(w.Finish());
    const std::string probe = Probe(path);
    EXPECT_NE(probe.find("codec_name=pcm_s16le"), std::string::npos) << probe;
    EXPECT_NE(probe.find("sample_rate=16000"), std::string::npos) << probe;
    EXPECT_NE(probe.find("channels=1"), std::string::npos) << probe;
    EXPECT_NE(probe.find("duration=1.000000"), std::string::npos) << probe;
    WavContents back;
    ASSERT_TRUE(ReadWav(path, back));
    EXPECT_EQ(back.data.size(), tone.size() * 2);
}

TEST_F(WavWriterTest, AdpcmFileKeepsTheBlocksAndDecodesLikeOurDecoder) {
    WavContents source;
    ASSERT_TRUE(ReadWav(std::string(QV_AUDIO_FIXTURES) + "/sweep_ima.wav", source));
    // A last block cut short, as at the end of a recording, and an odd data size.
    const std::vector<uint8_t> data(source.data.begin(), source.data.begin() + 100 * 128 + 61);
    const std::string path = dir / "sound.wav";
    WavWriter w;
    ASSERT_TRUE(w.Create(path, TkmSoundFormat()));
    ASSERT_TRUE(w.Write(data.data(), data.size()));
    EXPECT_EQ(w.SampleFrames(), 100u * 249u + 115u);
    ASSERT_TRUE(w.Finish());

    const std::string probe = Probe(path);
    EXPECT_NE(probe.find("codec_name=adpcm_ima_wav"), std::string::npos) << probe;
    EXPECT_NE(probe.find("sample_rate=16000"), std::string::npos) << probe;
    WavContents back;
    ASSERT_TRUE(ReadWav(path, back));
    EXPECT_EQ(back.data, data);
    EXPECT_EQ(back.fact_samples, 100u * 249u + 115u);
    EXPECT_EQ(back.samples_per_block, 249);
    EXPECT_EQ(fs::file_size(path) % 2, 0u) << "odd data chunk padded";

    // sox reads the header we wrote and decodes the whole blocks to what our decoder gives.
    const std::string raw = dir / "sound.raw";
    RunCommand("sox '" + path + "' -t s16 -e signed '" + raw + "' 2>&1");
    const auto sox = ReadRawS16(raw);
    ASSERT_GE(sox.size(), 100u * 249u);
    int16_t block[249];
    for (size_t b = 0; b < 100; ++b) {
        DecodeImaBlock(data.data() + b * 128, 128, block);
        for (size_t i = 0; i < 249; ++i)
            ASSERT_EQ(block[i], sox[b * 249 + i]) << "block " << b << " sample " << i;
    }
}

TEST_F(WavWriterTest, UnfinishedOrFailedFileIsRemoved) {
    const std::string path = dir / "partial.wav";
    {
        WavWriter w;
        ASSERT_TRUE(w.Create(path, Pcm16Format(1, 16000)));
        const int16_t s[4] = {1, 2, 3, 4};
        ASSERT_TRUE(w.Write(s, sizeof s));
        EXPECT_TRUE(fs::exists(path));
    }
    EXPECT_FALSE(fs::exists(path)) << "a file never finished must not look complete";

    WavWriter w;
    EXPECT_FALSE(w.Create((dir / "no" / "such" / "dir.wav").string(), Pcm16Format(1, 16000)));
    EXPECT_FALSE(w.LastError().empty());
    EXPECT_FALSE(w.Write("x", 1));
    EXPECT_FALSE(w.Finish());
    WaveFormat mp3{0x0055, 1, 16000, 2000, 1, 0, 0};
    EXPECT_FALSE(w.Create(dir / "other.wav", mp3));
    EXPECT_FALSE(fs::exists(dir / "other.wav"));
}

}  // namespace

// End-to-end: qvplay-cli audio on a .tkm recording whose sound ffmpeg encoded; ffprobe must read
// both kinds of WAV it writes, and sox's decoding of the ADPCM file must equal the PCM file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "audio/wav_read.h"

namespace {

namespace fs = std::filesystem;
using namespace qv::audio::testing;

const std::string kTkm = std::string(QV_FIXTURE_DIR) + "/m4v/tkm_320x240.tkm";

fs::path TempDir() {
    auto dir = fs::temp_directory_path() / ("qv_cli_audio_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

struct ShellRun {
    int exit_code = -1;
    std::string out;
};

ShellRun Shell(const std::string& command) {
    ShellRun r;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, pipe.get()))
        r.out.append(buf, n);
    const int status = pclose(pipe.release());
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

ShellRun Cli(const std::string& args) {
    return Shell(std::string(QVPLAY_CLI) + " " + args);
}

std::string Probe(const fs::path& wav) {
    return Shell(
               "ffprobe -v error -show_entries stream=codec_name,sample_rate,channels "
               "-of default=noprint_wrappers=1 '" +
               wav.string() + "'")
        .out;
}

// The sound byte count the fixture builder put into the recording.
uint64_t FixtureSoundBytes() {
    std::ifstream info(kTkm + ".info");
    std::string key;
    uint64_t value = 0;
    while (info >> key >> value)
        if (key == "sound_bytes") return value;
    return 0;
}

TEST(CliAudio, BothWavFilesHoldTheRecordingsSound) {
    const fs::path adpcm = TempDir() / "sound_adpcm.wav", pcm = TempDir() / "sound_pcm.wav";
    const ShellRun a = Cli("audio '" + kTkm + "' -o '" + adpcm.string() + "' --adpcm");
    ASSERT_EQ(a.exit_code, 0) << a.out;
    const ShellRun p = Cli("audio '" + kTkm + "' -o '" + pcm.string() + "'");
    ASSERT_EQ(p.exit_code, 0) << p.out;
    EXPECT_NE(a.out.find("pictures: 40"), std::string::npos) << a.out;

    const std::string probe_a = Probe(adpcm), probe_p = Probe(pcm);
    EXPECT_NE(probe_a.find("codec_name=adpcm_ima_wav"), std::string::npos) << probe_a;
    EXPECT_NE(probe_p.find("codec_name=pcm_s16le"), std::string::npos) << probe_p;
    for (const std::string* probe : {&probe_a, &probe_p}) {
        EXPECT_NE(probe->find("sample_rate=16000"), std::string::npos) << *probe;
        EXPECT_NE(probe->find("channels=1"), std::string::npos) << *probe;
    }

    WavContents wa, wp;
    ASSERT_TRUE(ReadWav(adpcm, wa));
    ASSERT_TRUE(ReadWav(pcm, wp));
    const uint64_t sound_bytes = FixtureSoundBytes();
    ASSERT_GT(sound_bytes, 0u);
    EXPECT_EQ(wa.data.size(), sound_bytes) << "every sound byte of the stream, nothing else";
    EXPECT_EQ(wa.format_tag, 0x0011);

    const fs::path raw = TempDir() / "sox.raw";
    ASSERT_EQ(
        Shell("sox '" + adpcm.string() + "' -t s16 -e signed '" + raw.string() + "'").exit_code, 0);
    const auto sox = ReadRawS16(raw);
    ASSERT_EQ(wp.data.size(), sox.size() * 2);
    EXPECT_TRUE(
        std::equal(sox.begin(), sox.end(), reinterpret_cast<const int16_t*>(wp.data.data())))
        << "decoded sound differs from sox's";
    fs::remove_all(TempDir());
}

TEST(CliAudio, RefusalsLeaveNoFileBehind) {
    const fs::path out = TempDir() / "never.wav";
    const std::string o = " -o '" + out.string() + "'";
    EXPECT_EQ(Cli("audio '" + kTkm + "'").exit_code, 1) << "no output named";
    EXPECT_EQ(Cli("audio '" + kTkm + "' -o").exit_code, 1);
    EXPECT_EQ(Cli("audio '" + kTkm + "' --loud" + o).exit_code, 1);
    const ShellRun missing = Cli("audio '" + (TempDir() / "missing.tkm").string() + "'" + o);
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.out.find("cannot open"), std::string::npos) << missing.out;
    const std::string m4v = std::string(QV_FIXTURE_DIR) + "/m4v/seed_small.m4v";
    const ShellRun silent = Cli("audio '" + m4v + "'" + o);
    EXPECT_EQ(silent.exit_code, 1);
    EXPECT_NE(silent.out.find("carry sound"), std::string::npos) << silent.out;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(
        Cli("audio '" + kTkm + "' -o '" + (TempDir() / "no/dir.wav").string() + "'").exit_code, 1);
    fs::remove_all(TempDir());
}

}  // namespace

// End-to-end: qvplay-cli info and decode on .m4v and .tkm recordings from the fixture tool.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "media/mpeg4/yuv_rgb.h"
#include "media/picture/bmp_file.h"

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(QV_FIXTURE_DIR) + "/m4v/" + name;
}

struct CliRun {
    int code;
    std::string out;
};

CliRun Cli(const std::string& args) {
    std::string cmd = std::string(QVPLAY_CLI) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    CliRun r{-1, {}};
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int status = pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::map<std::string, std::string> Fields(const std::string& text) {
    std::map<std::string, std::string> f;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        auto colon = line.find(": ");
        if (colon != std::string::npos) f[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return f;
}

std::map<std::string, std::string> InfoFile(const std::string& path) {
    std::map<std::string, std::string> f;
    std::ifstream in(path + ".info");
    std::string k, v;
    while (in >> k >> v)
        f[k] = v;
    return f;
}

TEST(CliStream, InfoOfTkmAndM4v) {
    const std::string tkm = Fixture("tkm_320x240.tkm");
    CliRun r = Cli("info " + tkm);
    ASSERT_EQ(r.code, 0) << r.out;
    auto f = Fields(r.out);
    auto made = InfoFile(tkm);
    EXPECT_EQ(f["kind"], "tkm");
    EXPECT_EQ(f["width"], "320");
    EXPECT_EQ(f["height"], "240");
    EXPECT_EQ(f["size_kb"], std::to_string(fs::file_size(tkm) / 1024));
    EXPECT_EQ(f["pictures"], made["pictures"]);
    EXPECT_EQ(f["intra_pictures"], made["intra_pictures"]);
    EXPECT_EQ(f["audio_bytes"], made["sound_bytes"]);
    EXPECT_EQ(f["first_time"],
              std::to_string(((std::stoull(made["first_time"]) * 249) >> 7) / 162));
    EXPECT_EQ(f["last_time"], std::to_string(((std::stoull(made["last_time"]) * 249) >> 7) / 162));

    const std::string m4v = Fixture("zero_176x144.m4v");
    r = Cli("info --json " + m4v);
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("\"kind\": \"m4v\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"pictures\": 60"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"intra_pictures\": 6"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("audio_bytes"), std::string::npos);
}

double RgbPsnr(const qv::Picture& a, const qv::Picture& b) {
    double sse = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        double e = double(a.pixels[i]) - b.pixels[i];
        sse += e * e;
    }
    double mse = sse / a.pixels.size();
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255 / mse);
}

TEST(CliStream, DecodeWritesTheNthPicture) {
    const fs::path dir = fs::temp_directory_path() / ("qv_cli_m4v_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string out0 = (dir / "p0.bmp").string(), out2 = (dir / "p2.bmp").string();
    const std::string m4v = Fixture("zero_320x240.m4v");
    ASSERT_EQ(Cli("decode " + m4v + " --frame 13 -o " + out0 + " --deblock 0").code, 0);
    ASSERT_EQ(Cli("decode " + m4v + " --frame 13 -o " + out2).code, 0);  // default: method 2
    auto load = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::vector<uint8_t> b{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        qv::Picture pic;
        EXPECT_TRUE(qv::DecodeBmp24(b, pic));
        return pic;
    };
    qv::Picture plain = load(out0), filtered = load(out2);
    ASSERT_EQ(plain.width, 320);
    ASSERT_EQ(plain.height, 240);
    // ffmpeg's picture 13 through the same colour conversion.
    std::ifstream ref(Fixture("zero_320x240.yuv"), std::ios::binary);
    const size_t frame = 320 * 240 * 3 / 2;
    std::vector<uint8_t> yuv(frame);
    ref.seekg(static_cast<std::streamoff>(frame * 12));
    ref.read(reinterpret_cast<char*>(yuv.data()), static_cast<std::streamsize>(frame));
    qv::Picture expect;
    expect.Allocate(320, 240);
    qv::mpeg4::ConvertToRgb(yuv.data(), 320, yuv.data() + 320 * 240, yuv.data() + 320 * 300, 160,
                            320, 240, expect);
    EXPECT_GE(RgbPsnr(plain, expect), 38.0);
    EXPECT_NE(plain.pixels, filtered.pixels);
    EXPECT_GE(RgbPsnr(filtered, plain), 30.0);
    fs::remove_all(dir);
}

TEST(CliStream, DecodeRefusals) {
    const std::string m4v = Fixture("zero_176x144.m4v");
    CliRun r = Cli("decode " + m4v + " --frame 61 -o /tmp/none.bmp");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("has 60 pictures; there is no picture 61"), std::string::npos) << r.out;
    EXPECT_EQ(Cli("decode " + m4v + " --frame 0 -o /tmp/none.bmp").code, 1);
    EXPECT_EQ(Cli("decode " + m4v + " --frame 1 -o /tmp/none.bmp --deblock 3").code, 1);
    r = Cli("info /nonexistent/x.tkm");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("cannot open"), std::string::npos) << r.out;
}

// check on streams: every picture of the fixtures decodes; a copy with one picture's data
// overwritten reports that picture (one-based) and carries on with the pictures after it; files
// come back in the order given, whatever thread checked them.
TEST(CliStream, CheckCountsPicturesAndReportsTheBrokenOne) {
    const std::string tkm = Fixture("tkm_320x240.tkm"), m4v = Fixture("zero_320x240.m4v");
    CliRun good = Cli("check " + m4v + " " + tkm + " --json --jobs 2 --deblock 1");
    ASSERT_EQ(good.code, 0) << good.out;
    const size_t a = good.out.find("\"file\": \"" + m4v + "\", \"frames\": 60, \"bad\": []");
    const size_t b = good.out.find("\"file\": \"" + tkm + "\", \"frames\": 40, \"bad\": []");
    EXPECT_NE(a, std::string::npos) << good.out;
    EXPECT_NE(b, std::string::npos) << good.out;
    EXPECT_LT(a, b);

    std::ifstream in(m4v, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    // The fifth VOP start code: the picture's data right behind its header is overwritten.
    size_t at = 0;
    for (int k = 0; k < 5; ++k)
        at = bytes.find(std::string("\0\0\1\xB6", 4), at + 1);
    ASSERT_NE(at, std::string::npos);
    std::fill(bytes.begin() + at + 8, bytes.begin() + at + 40, '\xFF');
    const std::string broken =
        (fs::temp_directory_path() / ("qv_check_" + std::to_string(::getpid()) + ".m4v")).string();
    std::ofstream(broken, std::ios::binary) << bytes;
    CliRun bad = Cli("check " + broken);
    fs::remove(broken);
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.out.find(": 60 frames, 1 bad"), std::string::npos) << bad.out;
    EXPECT_NE(bad.out.find("  frame 5: result -1"), std::string::npos) << bad.out;
}

}  // namespace

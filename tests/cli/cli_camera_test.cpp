// End-to-end: qvplay-cli camera-settings writes the camera's settings file byte for byte, makes
// its folders, and says so when it cannot.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"

namespace {

using qv::testing::Cli;
using qv::testing::CliRun;
using qv::testing::Slurp;
using qv::testing::TempDir;

std::string Hex(const std::string& bytes) {
    std::string out;
    char b[4];
    for (unsigned char c : bytes) {
        std::snprintf(b, sizeof b, "%02X ", c);
        out += b;
    }
    return out;
}

TEST(CliCameraSettings, WritesTheRecordsOfTheCamerasExample) {
    const auto root = TempDir() / "drive";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    CliRun r = Cli("camera-settings --root " + root.string() + " --at \"2026-12-06 14:30:17\"");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // Record 0x28: 1, 2, 5 s, 180, no filter, 60, 2, no flags; 0x29: time 0x73C8, date 0x5D86.
    EXPECT_EQ(Hex(Slurp(root / "DCIM/100tarkn/REGISTRY.LDR")),
              "B6 C3 10 00 28 01 00 02 00 05 00 B4 00 00 00 3C 00 02 00 00 00 "
              "B6 C3 04 00 29 C8 73 86 5D ");
    r = Cli("camera-settings --root " + root.string() +
            " --int1 60 --int2 30 --int3 86400 --flicker 50 --loop --exposure-lock"
            " --time-offset 300 --at \"2026-12-06 14:30:17\"");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // 30 s rises to 61; 24 hours is 0xFFFF; five minutes later, in two-second steps.
    EXPECT_EQ(Hex(Slurp(root / "DCIM/100tarkn/REGISTRY.LDR")),
              "B6 C3 10 00 28 3C 00 3D 00 FF FF B4 00 E8 03 3C 00 02 00 03 00 "
              "B6 C3 04 00 29 68 74 86 5D ");
}

TEST(CliCameraSettings, ARootThatCannotHoldTheFoldersIsSaid) {
    const auto file = TempDir() / "not_a_drive";
    std::ofstream(file) << "x";
    CliRun r = Cli("camera-settings --root " + file.string());
    EXPECT_NE(r.exit_code, 0);
    EXPECT_NE(r.err.find("Could not create directory for Camera Settings.  Please make sure"),
              std::string::npos)
        << r.err;
    EXPECT_NE(Cli("camera-settings --root /tmp --int1 50000").exit_code, 0);
    EXPECT_NE(Cli("camera-settings --root /tmp --flicker 55").exit_code, 0);
}

}  // namespace

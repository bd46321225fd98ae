// End-to-end: qvplay-cli search and events over recordings whose frames change where the test
// decides.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "search/search_fixture.h"

namespace {

using qv::search::testing::Scene;
using qv::search::testing::WriteScene;
using qv::testing::Cli;
using qv::testing::CliRun;

// Three recordings made in playlist order: motion in the second at frames 3 and 7.
std::string ThreeFiles() {
    const std::string a = WriteScene("s1.avi", {.frames = 6});
    const std::string b = WriteScene("s2.avi", {.frames = 10, .steps = {{3, 40}, {7, -40}}});
    const std::string c = WriteScene("s3.avi", {.frames = 5});
    return c + " " + a + " " + b;  // the order of creation decides, not the order given
}

TEST(CliSearch, FindsTheFirstChangeThroughThePlaylistInEitherDirection) {
    const std::string files = ThreeFiles();
    CliRun fwd = Cli("search " + files + " --threshold 20 --json");
    ASSERT_EQ(fwd.exit_code, 0) << fwd.err;
    EXPECT_NE(fwd.out.find("{\"found\": true, \"file\": "), std::string::npos) << fwd.out;
    EXPECT_NE(fwd.out.find("s2.avi\", \"frame\": 4, \"date\": \"2012/03/01\", \"time\": "),
              std::string::npos)
        << fwd.out;
    CliRun back = Cli("search " + files + " --threshold 20 --backward --json");
    EXPECT_NE(back.out.find("s2.avi\", \"frame\": 7,"), std::string::npos) << back.out;
    const std::string s2 = files.substr(files.rfind(' ') + 1);
    CliRun from = Cli("search " + s2 + " --threshold 20 --from 5 --json");
    EXPECT_NE(from.out.find("s2.avi\", \"frame\": 8,"), std::string::npos) << from.out;
    CliRun none = Cli("search " + files + " --threshold 60 --json");
    EXPECT_NE(none.out.find("{\"found\": false, \"file\": "), std::string::npos) << none.out;
    EXPECT_NE(none.out.find("s3.avi\", \"frame\": 5,"), std::string::npos) << none.out;
}

TEST(CliSearch, AllFindsAreTheSameOnOneCoreOrTwoAndDamagedFilesArePassedOver) {
    const std::string bad = (qv::testing::TempDir() / "damaged.avi").string();
    std::ofstream(bad) << "RIFF????AVI not a recording";
    const std::string files = ThreeFiles() + " " + bad;
    CliRun one = Cli("search " + files + " --threshold 20 --all --json --jobs 1");
    CliRun two = Cli("search " + files + " --threshold 20 --all --json --jobs 2");
    ASSERT_EQ(one.exit_code, 0) << one.err;
    EXPECT_EQ(one.out, two.out);
    EXPECT_NE(one.out.find("s2.avi\", \"frame\": 4,"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("s2.avi\", \"frame\": 8,"), std::string::npos) << one.out;
    EXPECT_NE(one.err.find("damaged.avi"), std::string::npos) << one.err;
    CliRun only_bad = Cli("search " + bad + " --threshold 20 --all");
    EXPECT_NE(only_bad.exit_code, 0);
}

TEST(CliSearch, EventsAndPirOnsetsAndRefusedArguments) {
    const std::string ev = WriteScene("ev.avi", {.frames = 8, .events = {2, 5}});
    CliRun events = Cli("events " + ev + " --json");
    ASSERT_EQ(events.exit_code, 0) << events.err;
    EXPECT_NE(events.out.find("\"frame\": 3,"), std::string::npos) << events.out;
    EXPECT_NE(events.out.find("\"frame\": 6,"), std::string::npos) << events.out;
    EXPECT_EQ(events.out.find("\"frame\": 1,"), std::string::npos) << events.out;
    const std::string pir = WriteScene("pir.avi", {.frames = 8, .pir = {2, 3, 6}});
    CliRun onsets = Cli("events " + pir + " --pir");
    EXPECT_NE(onsets.out.find("pir.avi frame 3 "), std::string::npos) << onsets.out;
    EXPECT_NE(onsets.out.find("pir.avi frame 7 "), std::string::npos) << onsets.out;
    EXPECT_EQ(onsets.out.find("pir.avi frame 4 "), std::string::npos) << onsets.out;
    EXPECT_EQ(Cli("search " + ev + " --threshold 0").exit_code, 2);
    EXPECT_EQ(Cli("search " + ev + " --threshold 20 --from 99").exit_code, 1);
}

}  // namespace

// End-to-end: qvplay-cli export writes what the window's export writes, and says in one line, with
// a non-zero exit, when it could not.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "search/search_fixture.h"

namespace {

using qv::testing::Cli;
using qv::testing::CliRun;
using qv::testing::TempDir;

TEST(CliExport, WritesTheSegmentOrSaysWhyNot) {
    const std::string src = qv::search::testing::WriteScene("exp.avi", {.frames = 9});
    const std::string out = (TempDir() / "seg.avi").string();
    CliRun avi = Cli("export " + src + " --first 2 --last 8 --skip 2 -o " + out);
    ASSERT_EQ(avi.exit_code, 0) << avi.err;
    EXPECT_NE(Cli("info " + out).out.find("frames:                3"), std::string::npos);
    const std::string pattern = (TempDir() / "p_.jpg").string();
    ASSERT_EQ(Cli("export " + src + " --first 1 --last 2 --as jpg -o " + pattern).exit_code, 0);
    EXPECT_TRUE(std::filesystem::exists(TempDir() / "p_00002.jpg"));
    for (const std::string& bad :
         {"--first 5 --last 2 -o " + out, std::string("--first 1 --last 3 -o /dev/full"),
          "--first 1 --last 3 -o " + src, "--first 0 --last 3 -o " + out}) {
        CliRun r = Cli("export " + src + " " + bad);
        EXPECT_NE(r.exit_code, 0) << bad;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

}  // namespace

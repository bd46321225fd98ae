#include "platform/file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {

using qv::platform::File;

std::string TempPath(const char* name) {
    auto dir =
        std::filesystem::temp_directory_path() / ("qv_platform_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

TEST(File, WriteThenReadBackAtOffsetsAndEnd) {
    std::string path = TempPath("rw.bin");
    File w;
    ASSERT_TRUE(w.Create(path));
    ASSERT_TRUE(w.Write("0123456789", 10));
    w.Close();

    File r;
    ASSERT_TRUE(r.OpenRead(path));
    EXPECT_EQ(r.Size(), 10);
    char buf[8] = {};
    ASSERT_TRUE(r.Seek(6));
    EXPECT_EQ(r.Read(buf, 8), 4u) << "a read at the end is short, not an error";
    EXPECT_EQ(std::string(buf, 4), "6789");
    EXPECT_TRUE(r.ReadAt(2, buf, 3));
    EXPECT_EQ(std::string(buf, 3), "234");
    EXPECT_FALSE(r.ReadAt(8, buf, 3)) << "ReadAt insists on every byte";
    EXPECT_EQ(r.Tell(), 10) << "ReadAt leaves the file position alone";
    EXPECT_FALSE(r.Seek(-1));
}

TEST(File, FailuresAreReportedNotThrown) {
    File f;
    EXPECT_FALSE(f.OpenRead(TempPath("missing.bin")));
    EXPECT_FALSE(f.LastError().empty());
    EXPECT_FALSE(f.OpenRead(std::filesystem::temp_directory_path().string()))
        << "a folder is not a file";
    char c;
    EXPECT_EQ(f.Read(&c, 1), 0u);
    EXPECT_EQ(f.Size(), -1);
    EXPECT_FALSE(f.Write("x", 1));
}

TEST(File, ReadWholeFileHonoursTheCap) {
    std::string path = TempPath("whole.bin");
    File w;
    ASSERT_TRUE(w.Create(path));
    ASSERT_TRUE(w.Write("abcdef", 6));
    w.Close();
    std::string out;
    EXPECT_TRUE(qv::platform::ReadWholeFile(path, out, 6));
    EXPECT_EQ(out, "abcdef");
    EXPECT_FALSE(qv::platform::ReadWholeFile(path, out, 5));
}

}  // namespace

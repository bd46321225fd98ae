#include "platform/clock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace qv::platform;

TEST(DosDateTime, PacksFieldsIntoTheirBits) {
    LocalTime t;
    t.year = 2012;
    t.month = 3;
    t.day = 1;
    t.hour = 23;
    t.minute = 59;
    t.second = 59;
    DosDateTime d = ToDosDateTime(t);
    EXPECT_EQ(d.time & 0x1F, 29) << "seconds are kept in two-second steps";
    EXPECT_EQ((d.time >> 5) & 0x3F, 59);
    EXPECT_EQ(d.time >> 11, 23);
    EXPECT_EQ(d.date & 0x1F, 1);
    EXPECT_EQ((d.date >> 5) & 0x0F, 3);
    EXPECT_EQ(d.date >> 9, 2012 - 1980);

    t.year = 1970;
    d = ToDosDateTime(t);
    EXPECT_EQ(d.date, (1 << 5) | 1) << "dates before 1980 fall back to the first DOS day";
}

TEST(FileTimes, LastWriteTimeMatchesTheFileSystem) {
    auto path = std::filesystem::temp_directory_path() / ("qv_clock_" + std::to_string(::getpid()));
    std::ofstream(path) << "x";
    std::tm tm{};
    tm.tm_year = 2011 - 1900;
    tm.tm_mon = 6;
    tm.tm_mday = 14;
    tm.tm_hour = 9;
    tm.tm_min = 30;
    tm.tm_sec = 10;
    tm.tm_isdst = -1;
    utimbuf times{mktime(&tm), mktime(&tm)};
    ASSERT_EQ(utime(path.c_str(), &times), 0);

    DosDateTime d;
    ASSERT_TRUE(LastWriteDosDateTime(path.string(), d));
    EXPECT_EQ(d.date, (2011 - 1980) << 9 | 7 << 5 | 14);
    EXPECT_EQ(d.time, 9 << 11 | 30 << 5 | 5);

    int64_t ns = 0;
    EXPECT_TRUE(CreationTimeNs(path.string(), ns));
    EXPECT_GT(ns, 0);
    EXPECT_FALSE(LastWriteDosDateTime((path.string() + ".missing"), d));
    std::filesystem::remove(path);
}

TEST(Tick, NeverRunsBackward) {
    uint32_t a = TickCountMs();
    uint32_t b = TickCountMs();
    EXPECT_LE(static_cast<uint32_t>(b - a), 1000u);
}

}  // namespace

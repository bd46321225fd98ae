// Local time, file times and the millisecond tick.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace qv::platform {

// A moment in local time, split into calendar fields (month 1-12, day 1-31, day_of_week 0 =
// Sunday).
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int day_of_week = 0;
};

// The packed date and time of FAT directory entries: time word bits 0-4 seconds / 2, 5-10 minutes,
// 11-15 hours; date word bits 0-4 day, 5-8 month, 9-15 years since 1980.
struct DosDateTime {
    uint16_t time = 0;
    uint16_t date = 0;
};

LocalTime LocalNow();
LocalTime ToLocalTime(std::time_t seconds, int millisecond = 0);

// Packs a local time into the two words; years before 1980 give the date 1980-01-01.
DosDateTime ToDosDateTime(const LocalTime& t);

// The file's last-write time in local time, packed. False when the file cannot be examined.
bool LastWriteDosDateTime(const std::string& path, DosDateTime& out);

// When the file was made, in nanoseconds since 1970: its birth time where the file system keeps
// one, else its last modification time. False when the file cannot be examined.
bool CreationTimeNs(const std::string& path, int64_t& out);

// Milliseconds from an arbitrary start, wrapping at 2^32 like a system tick counter.
uint32_t TickCountMs();

}  // namespace qv::platform

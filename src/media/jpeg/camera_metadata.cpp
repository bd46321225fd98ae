#include "media/jpeg/camera_metadata.h"

#include <cstdio>

namespace qv {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kDaysIn4Years = 4 * 365 + 1;
constexpr int64_t kMaxCaptureDays = 35040;
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeap(int64_t year) {
    return year % 4 == 0;
}
int64_t YearDays(int64_t year) {
    return IsLeap(year) ? 366 : 365;
}
// Length of a month; a month number outside 1..12 (a damaged clock) counts as 31 days.
int MonthDays(int month, int64_t year) {
    if (month < 1 || month > 12) return 31;
    return (month == 2 && IsLeap(year)) ? 29 : kMonthDays[month - 1];
}

// Adds whole days to a date, carrying through months and years.
void AddDays(Calendar& c, int64_t days) {
    while (days > 0) {
        int left = MonthDays(c.month, c.year) - c.day;  // days after today in this month
        if (c.month < 1 || c.month > 12) c.month = 1;
        if (days > left) {
            days -= left + 1;
            c.day = 1;
            if (++c.month > 12) {
                c.month = 1;
                ++c.year;
                while (days >= kDaysIn4Years) {  // whole four-year cycles at once
                    days -= kDaysIn4Years;
                    c.year += 4;
                }
            }
        } else {
            c.day += static_cast<int>(days);
            days = 0;
        }
    }
}

void Format(const Calendar& c, std::string& date, std::string& time) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d/%2.2d/%2.2d", c.year, c.month, c.day);
    date = buf;
    std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d", c.hour, c.minute, c.second);
    time = buf;
}

}  // namespace

int64_t CaptureTimeFromClock(const ClockRecord& clock) {
    int64_t days = 0;
    for (int64_t y = 2004; y < clock.year; ++y)
        days += YearDays(y);
    // Months before the record's month; a month above 12 counts the whole year, 0 counts none.
    for (int m = 1; m < clock.month && m <= 12; ++m)
        days += MonthDays(m, clock.year);
    days += static_cast<int64_t>(clock.day) - 1;
    int64_t seconds = days * kSecondsPerDay + clock.hour * 3600 + clock.minute * 60 + clock.second;
    return seconds * 100;
}

bool CalendarFromCaptureTime(int64_t capture_time, Calendar& out) {
    if (capture_time < 0) return false;
    int64_t s = capture_time / 100;
    int64_t days = s / kSecondsPerDay;
    if (days > kMaxCaptureDays) return false;
    out.hundredths = static_cast<int>(capture_time % 100);
    out.second = static_cast<int>(s % 60);
    out.minute = static_cast<int>((s / 60) % 60);
    out.hour = static_cast<int>((s / 3600) % 24);
    int64_t year = 2004;
    while (days >= YearDays(year))
        days -= YearDays(year++);
    int month = 1;
    while (month < 12 && days >= MonthDays(month, year))
        days -= MonthDays(month++, year);
    out.year = static_cast<int>(year);
    out.month = month;
    out.day = static_cast<int>(days + 1);
    return true;
}

Calendar FileClockPlus(platform::DosDateTime file_clock, int64_t elapsed_seconds) {
    Calendar c;
    c.year = 1980 + (file_clock.date >> 9);
    c.month = (file_clock.date >> 5) & 15;
    c.day = file_clock.date & 31;
    int64_t tod = (file_clock.time >> 11) * 3600 + ((file_clock.time >> 5) & 63) * 60 +
                  (file_clock.time & 31) * 2;
    if (elapsed_seconds < 0) elapsed_seconds = 0;
    tod += elapsed_seconds;
    AddDays(c, tod / kSecondsPerDay);
    tod %= kSecondsPerDay;
    c.hour = static_cast<int>(tod / 3600);
    c.minute = static_cast<int>((tod / 60) % 60);
    c.second = static_cast<int>(tod % 60);
    return c;
}

void CameraDateTime(const ClockSources& src, Calendar& calendar, int64_t elapsed_seconds,
                    std::string& date, std::string& time) {
    bool use_file = true;
    if (src.has_capture_clock) {
        // A capture time out of range leaves the previous calendar values in place.
        CalendarFromCaptureTime(src.capture_time, calendar);
        use_file = false;
    } else if (src.metadata && src.metadata->clock_seen) {
        const ClockRecord& r = src.metadata->clock;
        calendar = {r.year, r.month, r.day, r.hour, r.minute, r.second, 0};
        use_file = false;
    }
    // A month outside 1..12 means the camera clock is damaged: fall back to the file clock.
    if (!use_file && (calendar.month < 1 || calendar.month > 12)) use_file = true;
    Format(use_file ? FileClockPlus(src.file_clock, elapsed_seconds) : calendar, date, time);
}

}  // namespace qv

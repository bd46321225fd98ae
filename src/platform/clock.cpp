#include "platform/clock.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>

namespace qv::platform {

LocalTime ToLocalTime(std::time_t seconds, int millisecond) {
    std::tm tm{};
    localtime_r(&seconds, &tm);
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    t.millisecond = millisecond;
    t.day_of_week = tm.tm_wday;
    return t;
}

LocalTime LocalNow() {
    auto now = std::chrono::system_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    return ToLocalTime(static_cast<std::time_t>(ms / 1000), static_cast<int>(ms % 1000));
}

DosDateTime ToDosDateTime(const LocalTime& t) {
    DosDateTime d;
    if (t.year < 1980) {
        d.date = (1 << 5) | 1;
        return d;
    }
    int years = t.year - 1980 > 127 ? 127 : t.year - 1980;
    d.time = static_cast<uint16_t>((t.second / 2) | (t.minute << 5) | (t.hour << 11));
    d.date = static_cast<uint16_t>(t.day | (t.month << 5) | (years << 9));
    return d;
}

bool LastWriteDosDateTime(const std::string& path, DosDateTime& out) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    out = ToDosDateTime(ToLocalTime(st.st_mtim.tv_sec));
    return true;
}

bool CreationTimeNs(const std::string& path, int64_t& out) {
    struct statx stx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &stx) == 0) {
        const struct statx_timestamp& ts =
            (stx.stx_mask & STATX_BTIME) ? stx.stx_btime : stx.stx_mtime;
        out = static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
        return true;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    out = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

uint32_t TickCountMs() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace qv::platform

#include "app/overlay_text.h"

#include <cstdio>

namespace qv::app {

std::string FormatElapsed(int64_t s) {
    if (s < 0) s = 0;
    const int64_t h = s / 3600, r = s % 3600;
    char buf[64];
    if (h < 24)
        std::snprintf(buf, sizeof buf, "%lld:%2.2lld:%2.2lld", static_cast<long long>(h),
                      static_cast<long long>(r / 60), static_cast<long long>(r % 60));
    else
        std::snprintf(buf, sizeof buf, "days: %lld\n%lld:%2.2lld:%2.2lld",
                      static_cast<long long>(s / 86400), static_cast<long long>(h % 24),
                      static_cast<long long>(r / 60), static_cast<long long>(r % 60));
    return buf;
}

std::string EventNumberText(const std::vector<int>& event_frames, int frame) {
    size_t k = 0;
    while (k < event_frames.size() && event_frames[k] <= frame)
        ++k;
    return std::to_string(k + 1) + " of " + std::to_string(event_frames.size() + 1);
}

std::string CaptureIntervalText(int seconds) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d", seconds / 3600, (seconds / 60) % 60,
                  seconds % 60);
    return buf;
}

void StampTextFor(int picture_width, const std::string& date, const std::string& time,
                  std::string& out) {
    if (picture_width < 161)
        out.assign(time);
    else
        out.assign(date).append("  ").append(time);
}

std::string StampTextFor(int picture_width, const std::string& date, const std::string& time) {
    std::string text;
    StampTextFor(picture_width, date, time, text);
    return text;
}

void FormatElapsedHundredths(int64_t t, char* out, size_t size) {
    std::snprintf(out, size, "Elapsed: %2lld:%2.2lld:%2.2lld.%2.2lld",
                  static_cast<long long>(t / 360000), static_cast<long long>((t / 6000) % 60),
                  static_cast<long long>((t / 100) % 60), static_cast<long long>(t % 100));
}

std::string ElapsedHundredthsText(int64_t t) {
    char buf[64];
    FormatElapsedHundredths(t, buf, sizeof buf);
    return buf;
}

}  // namespace qv::app

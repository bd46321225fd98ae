// qvplay-cli camera-settings --root DIR [--int1 S] [--int2 S] [--int3 S] [--flicker none|50|60]
//   [--loop] [--exposure-lock] [--time-offset 0|60|300] [--at "YYYY-MM-DD HH:MM:SS"]
// Writes DCIM/100tarkn/REGISTRY.LDR below the root of the camera's flash drive, as the Camera
// Settings dialog does: intervals in seconds (up to 12 hours, or 86400 for 24 hours in position
// 3), kept rising, and the camera clock from the PC's local time.
#include <cstdio>
#include <ctime>
#include <string>

#include "camera/registry_file.h"
#include "cli/avi_session.h"

namespace qv::cli {
namespace {

bool ReadInterval(const Args& args, const char* name, bool day_allowed, int& out, bool& bad) {
    const std::string* v = OptionValue(args, name, bad);
    int64_t n = 0;
    if (!v) return !bad;
    if (!ParseInt(*v, n) || n < 0 || (n > 43200 && !(day_allowed && n == camera::kOneDay)))
        return false;
    out = static_cast<int>(n);
    return true;
}

// "YYYY-MM-DD HH:MM:SS" in local time.
bool ReadMoment(const std::string& text, std::time_t& out) {
    std::tm t{};
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &t.tm_year, &t.tm_mon, &t.tm_mday,
                    &t.tm_hour, &t.tm_min, &t.tm_sec, &tail) != 6)
        return false;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    out = std::mktime(&t);
    return out != static_cast<std::time_t>(-1);
}

constexpr const char* kUsage =
    "usage: camera-settings --root DIR [--int1 S] [--int2 S] [--int3 S] [--flicker none|50|60] "
    "[--loop] [--exposure-lock] [--time-offset 0|60|300] [--at \"YYYY-MM-DD HH:MM:SS\"]";

}  // namespace

int CameraSettingsCommand(const Args& args) {
    bool bad = false;
    camera::CameraRegistry r;
    const std::string* root = OptionValue(args, "--root", bad);
    const std::string* flicker = OptionValue(args, "--flicker", bad);
    const std::string* offset = OptionValue(args, "--time-offset", bad);
    const std::string* at = OptionValue(args, "--at", bad);
    if (!ReadInterval(args, "--int1", false, r.intervals[0], bad) ||
        !ReadInterval(args, "--int2", false, r.intervals[1], bad) ||
        !ReadInterval(args, "--int3", true, r.intervals[2], bad))
        return Fail("intervals are seconds from 0 to 43200 (86400 for 24 hours in --int3); " +
                    std::string(kUsage));
    if (flicker) {
        if (*flicker == "none")
            r.flicker = camera::kFlickerNone;
        else if (*flicker == "60")
            r.flicker = camera::kFlicker60Hz;
        else if (*flicker == "50")
            r.flicker = camera::kFlicker50Hz;
        else
            bad = true;
    }
    if (offset && *offset != "0" && *offset != "60" && *offset != "300") bad = true;
    std::time_t moment = std::time(nullptr);
    if (at && !ReadMoment(*at, moment)) bad = true;
    if (bad || !root) return Fail(kUsage);
    r.cam_mode = (HasFlag(args, "--loop") ? camera::kModeLooping : 0) |
                 (HasFlag(args, "--exposure-lock") ? camera::kModeExposureLock : 0);
    // The intervals rise with the switch position, as the dialog keeps them.
    if (r.intervals[0] >= r.intervals[1]) r.intervals[1] = r.intervals[0] + 1;
    if (r.intervals[1] >= r.intervals[2]) r.intervals[2] = r.intervals[1] + 1;
    const platform::DosDateTime clock =
        camera::CameraClock(moment, offset ? std::stoi(*offset) : 0);
    std::string error;
    switch (camera::WriteRegistryFile(*root, camera::RegistryBytes(r, clock), error)) {
        case camera::WriteResult::Written:
            std::printf("%s\n", camera::RegistryPath(*root).c_str());
            return 0;
        case camera::WriteResult::NoFolder:
            return Fail(camera::kNoDirText);
        case camera::WriteResult::WriteFailed:
            break;
    }
    return Fail(error);
}

}  // namespace qv::cli

// qvplay-cli frames FILE.avi [--json] [--first N] [--last M]: one row per frame. Every frame is
// decoded in order from the first, as playback would, so that intervals, elapsed time, dates and
// the PIR onset follow the player's.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/avi_session.h"

namespace qv::cli {

namespace {

struct Row {
    int frame = 0;
    uint32_t offset = 0, size = 0;
    long long capture_time = 0;  // hundredths of a second since 2004-01-01, all 48 bits
    std::string date, time;
    int32_t interval_ms = 0;
    bool event = false;
    int decode_result = 0;
};

void PrintJsonRow(const Row& r, const CameraMetadata& m, bool first) {
    std::printf(
        "%s\n  {\"frame\": %d, \"offset\": %u, \"size\": %u, \"capture_time\": %lld, \"date\": %s, "
        "\"time\": %s, \"interval_ms\": %d, \"event\": %s, \"pir\": %d, \"pir_onset\": %d, "
        "\"model\": %d, \"quality\": %d, \"flicker\": %d, \"scene\": %d, \"custom_expo\": %d, "
        "\"timer_start\": %d, \"timer_stop\": %d, \"time_stamp\": %d, \"led\": %d, "
        "\"low_light\": %d, \"fw_rev\": %s, \"decode_result\": %d}",
        first ? "" : ",", r.frame, r.offset, r.size, r.capture_time, JsonString(r.date).c_str(),
        JsonString(r.time).c_str(), r.interval_ms, r.event ? "true" : "false", m.bPIR, m.bPIROnset,
        m.nModel, m.nQuality, m.nFlicker, m.nScene, m.nCustomExpo, m.nTimerStart, m.nTimerStop,
        m.bTimeStamp, m.bLED, m.bLowLight, JsonString(m.szFWRev).c_str(), r.decode_result);
}

void PrintTextHeader() {
    std::printf(
        "%6s %10s %7s %12s %10s %8s %9s %5s %3s %5s %5s %3s %3s %3s %3s %3s %3s %2s %3s %3s "
        "%-15s %6s\n",
        "frame", "offset", "size", "capture", "date", "time", "interval", "event", "pir", "onset",
        "model", "qua", "flk", "scn", "exp", "tst", "tsp", "ts", "led", "low", "fw_rev", "result");
}

void PrintTextRow(const Row& r, const CameraMetadata& m) {
    std::printf(
        "%6d %10u %7u %12lld %10s %8s %9d %5d %3d %5d %5d %3d %3d %3d %3d %3d %3d %2d %3d %3d "
        "%-15s %6d\n",
        r.frame + 1, r.offset, r.size, r.capture_time, r.date.c_str(), r.time.c_str(),
        r.interval_ms, r.event ? 1 : 0, m.bPIR, m.bPIROnset, m.nModel, m.nQuality, m.nFlicker,
        m.nScene, m.nCustomExpo, m.nTimerStart, m.nTimerStop, m.bTimeStamp, m.bLED, m.bLowLight,
        m.szFWRev.c_str(), r.decode_result);
}

bool ReadRange(const Args& args, int frames, int& first, int& last) {
    bool bad = false;
    const std::string* a = OptionValue(args, "--first", bad);
    const std::string* b = OptionValue(args, "--last", bad);
    int64_t v = 0;
    first = 1;
    last = frames;
    if (bad) return false;
    if (a) {
        if (!ParseInt(*a, v) || v < 1) return false;
        first = static_cast<int>(std::min<int64_t>(v, frames + 1));
    }
    if (b) {
        if (!ParseInt(*b, v) || v < 1) return false;
        last = static_cast<int>(std::min<int64_t>(v, frames));
    }
    return true;
}

}  // namespace

int FramesAvi(const Args& args) {
    AviSession s;
    if (!OpenAvi(args[0], s, false)) return 1;
    AviMovie& movie = s.movie;
    int first = 0, last = 0;
    if (!ReadRange(args, movie.FrameCount(), first, last))
        return Fail("--first and --last need frame numbers from 1");
    if (first > last)
        return Fail("--last " + std::to_string(last) + " comes before --first " +
                    std::to_string(first));
    bool json = HasFlag(args, "--json");
    // Without sample planes (a size the player does not show) nothing decodes into the picture.
    Picture picture;
    if (movie.Jpeg().HasPlanes()) picture.Allocate(movie.Width(), movie.Height());
    int64_t elapsed_ms = 0;
    bool printed = false;
    if (json)
        std::printf("[");
    else
        PrintTextHeader();
    for (int f = 0; f < last; ++f) {
        Row r;
        r.frame = f;
        if (movie.AviReadFrame(f, &r.offset, &r.size) != 0) {
            r.decode_result = kAviBadChunk;
        } else {
            movie.AviSetFrame(f);
            r.decode_result = movie.AviDecodeCurrent(picture);
            r.interval_ms = movie.LastIntervalMs();
            r.capture_time = movie.Jpeg().LastCaptureTime();
            int event = movie.Jpeg().LastEventByte();
            r.event = event >= 0 && (event & 0x80);
        }
        // Elapsed time as the player keeps it: the sum of the decoded intervals with a camera
        // clock, else the frame number times the capture interval.
        int64_t elapsed_s = 0;
        if (movie.HasCaptureClock() || s.metadata.clock_seen) {
            elapsed_ms += r.interval_ms;
            elapsed_s = elapsed_ms / 1000;
        } else {
            elapsed_s = static_cast<int64_t>(f) * movie.Scale();
        }
        movie.CameraDateTime(elapsed_s, r.date, r.time);
        if (f + 1 < first) continue;
        if (json)
            PrintJsonRow(r, s.metadata, !printed);
        else
            PrintTextRow(r, s.metadata);
        printed = true;
    }
    std::printf(json ? "\n]\n" : "");
    return 0;
}

}  // namespace qv::cli

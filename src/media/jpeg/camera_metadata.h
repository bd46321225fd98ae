// The camera's private segments in every frame: settings, clock record, capture time, trigger
// flags and exposure diagnostics, and the date and time texts shown for a frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace qv {

// The camera's real-time clock as written into the settings segment (10 bytes: second, minute,
// hour, day, month 1-12, one unused byte, 16-bit full year, two unused bytes).
struct ClockRecord {
    uint8_t second = 0;
    uint8_t minute = 0;
    uint8_t hour = 0;
    uint8_t day = 0;
    uint8_t month = 0;
    uint16_t year = 0;
};

// Calendar fields of a capture time (month 1-12, day 1-31).
struct Calendar {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int hundredths = 0;  // only a capture time carries them
};

// How the status labels and the overlay present the interval and elapsed time. Set by the model
// tag and capture-mode byte in the AVI header area and by the camera comment in each frame; they
// outlive the movie that set them.
struct DisplayFlags {
    bool ShowCaptureInterval = true;
    bool ShowElapsedTime = true;
    bool IntervalAsap = false;
    int WdxCaptureMode = -1;  // 0 "Motion", 1 "Timelapse", 2 "Hybrid"; -1 until a WDX310 file
};

// Switches of the diagnostics window that change what the decoder does.
struct DecoderSwitches {
    bool cbForceBW = false;           // grey mode: R = G = B = Y
    bool cbCheckSpuriousEOI = false;  // look for the end-of-image marker behind the scan
    bool cbDumpRTCData = false;       // append the camera's clock dump to the diagnostics log
};

// Where the decoder appends lines for the diagnostics window's list.
class DiagnosticsLog {
  public:
    virtual ~DiagnosticsLog() = default;
    virtual void Append(const std::string& line) = 0;
};

// Per-frame camera metadata, refreshed by every header parse. A field keeps its value until a
// parsed segment sets it again; opening another movie does not clear it.
struct CameraMetadata {
    // Settings (model code and user settings).
    int32_t nModel = 0;
    int32_t nQuality = 0;
    int32_t nFlicker = 0;
    int32_t nScene = 0;
    int32_t nCustomExpo = 0;
    int32_t nTimerStart = 0;  // quarter hours since midnight
    int32_t nTimerStop = 0;
    int32_t bTimeStamp = 0;
    int32_t bLED = 0;
    int32_t bLowLight = 0;
    int32_t nWBMode = 0;
    int32_t nContrast = 0;
    int32_t nSharpness = 0;
    int32_t nSaturation = 0;
    int32_t nHDRRange = 0;
    int32_t bPIR = 0;       // passive-infrared trigger active in this frame (model code 3)
    int32_t bPIROnset = 0;  // bPIR set while the previously parsed frame had it clear
    std::string szFWRev = "n/a";

    // Exposure and colour statistics; -1 until a segment sets them (shown as empty text).
    int32_t nFPGARev = -1;
    std::array<int32_t, 3> nRGBAvg = {-1, -1, -1};
    std::array<int32_t, 3> nRGBGain = {-1, -1, -1};
    int32_t nLuma = -1;
    int32_t nLuma1 = -1;
    int32_t nLuma2 = -1;
    int32_t nRawExpo = -1;
    int32_t nPhysExpo = -1;
    int32_t nAEGain = -1;
    int32_t nBatt = -1;

    int32_t nRetries = 0;
    int32_t nTemp = 0;
    int32_t nTempUnit = 0;  // low byte is the unit letter
    int32_t nBatt2 = 0;
    int32_t nExpType = 0;
    int32_t nDbgWBMode = 0;

    ClockRecord clock;        // the camera clock of the last settings segment
    bool clock_seen = false;  // a settings segment has been parsed since start-up

    std::array<uint8_t, 32> diag_block{};  // exposure diagnostics segment, stored whole
    bool diag_present = false;             // cleared by every parse
};

// Capture time: hundredths of a second since 2004-01-01 00:00:00.
int64_t CaptureTimeFromClock(const ClockRecord& clock);

// Splits a capture time into calendar fields. False (calendar untouched) when it lies more than
// 35040 days after 2004-01-01 or is negative.
bool CalendarFromCaptureTime(int64_t capture_time, Calendar& out);

// The three clocks a frame's date and time may come from, in order of preference.
struct ClockSources {
    bool has_capture_clock = false;    // the movie's frame 0 carries a capture time
    int64_t capture_time = 0;          // full capture time of the frame last decoded
    const CameraMetadata* metadata{};  // clock record of the last settings segment, if any
    platform::DosDateTime file_clock;  // the movie file's last-write time, local
};

// Date text "%d/%2.2d/%2.2d" and time text "%2.2d:%2.2d:%2.2d" of the current frame.
// elapsed_seconds is the time of the current frame since the first one; only the file clock uses
// it. calendar holds the values of the previous call: a capture time too far out to convert
// leaves them in place.
void CameraDateTime(const ClockSources& sources, Calendar& calendar, int64_t elapsed_seconds,
                    std::string& date, std::string& time);

// The file clock plus elapsed seconds, carried through days, months and years.
Calendar FileClockPlus(platform::DosDateTime file_clock, int64_t elapsed_seconds);

}  // namespace qv

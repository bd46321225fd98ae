// Texts of the statistics panel: elapsed time, event number, capture interval, stamp text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::app {

// "0:59:59" below a day, "days: 1\n0:00:00" from a day on.
std::string FormatElapsed(int64_t seconds);
// "k of n" for an event recording: k = 1 + the event frames at or before the frame (counting stops
// at the first later one), n = 1 + the number of event frames.
std::string EventNumberText(const std::vector<int>& event_frames, int frame);
// "hh:mm:ss" of a capture interval in seconds.
std::string CaptureIntervalText(int seconds);
// The stamp: the time alone on pictures narrower than 161 pixels, else date, two blanks, time.
std::string StampTextFor(int picture_width, const std::string& date, const std::string& time);
// The same into a string that keeps its room between pictures.
void StampTextFor(int picture_width, const std::string& date, const std::string& time,
                  std::string& out);
// "Elapsed: %2d:%2.2d:%2.2d.%2.2d" of a time value in hundredths of a second.
std::string ElapsedHundredthsText(int64_t hundredths);
// The same into a buffer, for the pictures of a playing movie (nothing allocated).
void FormatElapsedHundredths(int64_t hundredths, char* out, size_t size);

}  // namespace qv::app

#include "media/jpeg/camera_metadata.h"
namespace qv {
int64_t CaptureTimeFromClock(const ClockRecord&) {
    return 0;
}
bool CalendarFromCaptureTime(int64_t, Calendar&) {
    return false;
}
void CameraDateTime(const ClockSources&, int64_t, std::string&, std::string&) {}
Calendar FileClockPlus(platform::DosDateTime, int64_t) {
    return {};
}
}  // namespace qv

#include "app/play_state.h"

#include <algorithm>

namespace qv::app {

void SpeedToTimer(TPlayState& s) {
    if (s.nFrmRate <= 0) {
        s.nStep = 0;
        s.nDirection = 0;
        return;
    }
    s.nFrmRate = std::min(s.nFrmRate, 30);
    if (s.nLastShowMs == -1) s.nLastShowMs = 100;
    s.nFramePeriodMs = 1000 / s.nFrmRate;
    s.nStep = s.nLastShowMs / s.nFramePeriodMs;
    if (s.nStep == 0) s.nStep = 1;
    s.nTimerMs = std::max(s.nFramePeriodMs, s.nLastShowMs);
}

int HeaderSpeed(int rate, int scale) {
    if (scale <= 0) scale = 1;
    return std::clamp(rate / scale, 0, 30);
}

}  // namespace qv::app

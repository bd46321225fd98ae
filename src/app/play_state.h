// The state of the playback engine: running or not, direction, speed and the timer pacing.
#pragma once

namespace qv::app {

struct TPlayState {
    bool bPlaying = false;
    bool bPaused = false;
    int nDirection = 1;       // +1 forward, -1 backward, 0 while the speed is 0
    int nFrmRate = 0;         // frames per second, 0 = no advance
    int nFramePeriodMs = 0;   // 1000 / nFrmRate
    int nLastShowMs = -1;     // time spent on the last frame shown, -1 before the first
    int nStep = 0;            // frames advanced per timer tick
    int nTimerMs = 100;       // interval of the playback timer
    bool bSeekGuard = false;  // the engine itself moves the seek bar; ignore its changes
    bool bSeekFocus = false;  // the seek bar has the input focus: its changes are user seeks
};

// Position of the vertical speed bar for a speed: the top (position 0) is the fastest.
inline int RatePosition(int speed) {
    return 30 - speed;
}
inline int SpeedFromRatePosition(int position) {
    return 30 - position;
}

// Recomputes the frame step and the timer interval from nFrmRate and the measured display time, so
// that playback keeps its speed on average when showing a frame takes longer than the frame period:
// the timer slows to the display time and each tick skips frames.
void SpeedToTimer(TPlayState& s);

// A speed taken from a movie header, limited to what the speed bar can show (0 to 30 frames per
// second); a capture interval of 0 is taken as one second rather than divided by.
int HeaderSpeed(int rate, int scale);

}  // namespace qv::app

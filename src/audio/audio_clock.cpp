#include "audio/audio_clock.h"

#include <chrono>

namespace qv::audio {

int64_t SteadyAudioClock::NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SteadyAudioClock::WaitUntil(int64_t deadline_ns, std::unique_lock<std::mutex>& lock,
                                 std::condition_variable& wake) {
    const std::chrono::steady_clock::time_point deadline{std::chrono::nanoseconds(deadline_ns)};
    wake.wait_until(lock, deadline);
}

SteadyAudioClock& SharedSteadyClock() {
    static SteadyAudioClock clock;
    return clock;
}

}  // namespace qv::audio

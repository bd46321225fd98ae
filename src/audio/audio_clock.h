// The clock a paced device plays by. Real playback uses the steady clock; tests put in a clock
// of their own so a pacing check does not depend on the machine's load.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace qv::audio {

class AudioClock {
  public:
    virtual ~AudioClock() = default;
    // Nanoseconds from an arbitrary start; never decreases.
    virtual int64_t NowNs() = 0;
    // Waits, with lock held on entry and on return, until NowNs() has reached deadline_ns or
    // wake has been notified. It may return early; callers check again.
    virtual void WaitUntil(int64_t deadline_ns, std::unique_lock<std::mutex>& lock,
                           std::condition_variable& wake) = 0;
};

// The machine's steady clock.
class SteadyAudioClock final : public AudioClock {
  public:
    int64_t NowNs() override;
    void WaitUntil(int64_t deadline_ns, std::unique_lock<std::mutex>& lock,
                   std::condition_variable& wake) override;
};

// One steady clock for every device that does not get its own; it holds no state.
SteadyAudioClock& SharedSteadyClock();

}  // namespace qv::audio

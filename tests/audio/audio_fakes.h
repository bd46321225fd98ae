// Stand-ins for the player and the output device in the sound output tests.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/audio_clock.h"
#include "audio/audio_notices.h"
#include "audio/wave_out.h"

namespace qv::audio::testing {

// A device that plays nothing until the test says so; it can be told to fail its next calls.
class FakeWaveOut final : public WaveOut {
  public:
    explicit FakeWaveOut(WaveOutClient& client) : client_(client) {}
    ~FakeWaveOut() override {
        for (WaveHeader* h : queued)
            h->flags.fetch_and(~kHeaderInQueue);
    }

    WaveResult Prepare(WaveHeader& h) override {
        ++prepares;
        if (fail_prepares > 0) return --fail_prepares, WaveResult::Error;
        return PrepareHeader(h);
    }
    WaveResult Unprepare(WaveHeader& h) override {
        ++unprepares;
        return UnprepareHeader(h);
    }
    WaveResult Write(WaveHeader& h) override {
        if (fail_writes > 0) return --fail_writes, WaveResult::Error;
        WaveResult r = BeginWrite(h);
        if (r != WaveResult::Ok) return r;
        queued.push_back(&h);
        written.emplace_back(h.data, h.data + h.buffer_length);
        written_slots.push_back(h.user);
        return r;
    }
    const char* Name() const override { return "fake"; }

    // Finishes the oldest queued buffer and sends its notice. False when none is queued.
    bool CompleteOne() {
        if (queued.empty()) return false;
        WaveHeader* h = queued.front();
        queued.pop_front();
        FinishHeader(*h);
        client_.OnWaveMessage(kWaveOutDone, h);
        return true;
    }

    int prepares = 0;
    int unprepares = 0;
    int fail_prepares = 0;
    int fail_writes = 0;
    std::deque<WaveHeader*> queued;
    std::vector<std::vector<uint8_t>> written;
    std::vector<uint32_t> written_slots;

  private:
    WaveOutClient& client_;
};

class FakeDevices final : public WaveOutDevices {
  public:
    std::unique_ptr<WaveOut> Open(const WaveFormat& f, WaveOutClient& client) override {
        format = f;
        ++opens;
        if (!available) return nullptr;
        auto d = std::make_unique<FakeWaveOut>(client);
        last = d.get();
        return d;
    }
    bool available = true;
    int opens = 0;
    WaveFormat format;
    FakeWaveOut* last = nullptr;
};

// What the player's message queue would hold: notices in posting order. -1 stands for a reset.
class RecordingPoster final : public AudioNoticePoster {
  public:
    static constexpr int32_t kReset = -1;
    void PostAudioNotice(int32_t param) override {
        std::lock_guard<std::mutex> lock(mutex_);
        posted_.push_back(param);
        cv_.notify_all();
    }
    void PostSlotReset() override {
        std::lock_guard<std::mutex> lock(mutex_);
        posted_.push_back(kReset);
        cv_.notify_all();
    }
    // Takes the oldest notice, waiting for one when wait is set. False when none came.
    bool Take(int32_t& out, bool wait = false) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wait) cv_.wait_for(lock, std::chrono::seconds(10), [&] { return !posted_.empty(); });
        if (posted_.empty()) return false;
        out = posted_.front();
        posted_.pop_front();
        return true;
    }
    std::vector<int32_t> All() {
        std::lock_guard<std::mutex> lock(mutex_);
        return {posted_.begin(), posted_.end()};
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        posted_.clear();
    }

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<int32_t> posted_;
};

// A clock that jumps to whatever moment a device waits for, so paced playback runs at once and
// its timing can be checked exactly.
class JumpingClock final : public AudioClock {
  public:
    int64_t NowNs() override { return now_.load(); }
    void WaitUntil(int64_t deadline, std::unique_lock<std::mutex>&,
                   std::condition_variable&) override {
        int64_t now = now_.load();
        while (now < deadline && !now_.compare_exchange_weak(now, deadline)) {
        }
    }

  private:
    std::atomic<int64_t> now_{0};
};

// A clock that moves only when the test moves it. The device records the deadline it waits for;
// the test advances to it after handling the previous notice, so a slow feeding thread (a loaded
// machine, a sanitizer build) can never let the device run dry.
class SteppedClock final : public AudioClock {
  public:
    int64_t NowNs() override { return now_.load(); }
    void WaitUntil(int64_t deadline, std::unique_lock<std::mutex>& lock,
                   std::condition_variable& wake) override {
        deadline_.store(deadline);
        wake.wait_for(lock, std::chrono::milliseconds(1));
    }
    // Moves time to the deadline the device waits for; false when it waits for none within 5 s.
    bool AdvanceToNextDeadline() {
        for (int i = 0; i < 50000; ++i) {
            const int64_t deadline = deadline_.load();
            if (deadline > now_.load()) {
                now_.store(deadline);
                return true;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return false;
    }

  private:
    std::atomic<int64_t> now_{0};
    std::atomic<int64_t> deadline_{-1};
};

// A clock that never moves: a paced device waits on it until woken.
class FrozenClock final : public AudioClock {
  public:
    int64_t NowNs() override { return 0; }
    void WaitUntil(int64_t, std::unique_lock<std::mutex>& lock,
                   std::condition_variable& wake) override {
        wake.wait(lock);
    }
};

// Bytes of a recognisable stream: position i holds a byte that differs from its neighbours.
inline std::vector<uint8_t> PatternBytes(size_t n, uint32_t seed = 1) {
    std::vector<uint8_t> v(n);
    uint32_t x = seed;
    for (auto& b : v) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    return v;
}

}  // namespace qv::audio::testing

// An output device without sound: it takes buffers like a sound card would and finishes each one
// when its bytes would have played at the stream's byte rate, so a recording whose pictures are
// paced by its sound keeps its normal pace on a machine that has no sound device.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

#include "audio/audio_clock.h"
#include "audio/wave_out.h"

namespace qv::audio {

class NullWaveOut final : public WaveOut {
  public:
    // At most this many buffers wait in the device; a write beyond that fails.
    static constexpr size_t kMaxQueued = 64;

    // The clock must outlive the device.
    NullWaveOut(const WaveFormat& format, WaveOutClient& client, AudioClock& clock);
    ~NullWaveOut() override;
    NullWaveOut(const NullWaveOut&) = delete;
    NullWaveOut& operator=(const NullWaveOut&) = delete;

    WaveResult Prepare(WaveHeader& header) override { return PrepareHeader(header); }
    WaveResult Unprepare(WaveHeader& header) override { return UnprepareHeader(header); }
    WaveResult Write(WaveHeader& header) override;
    const char* Name() const override { return "null"; }

    // Bytes per second the buffers are consumed at: the format's average byte rate, or for a
    // format that leaves it 0 the rate its block size and sample rate give.
    static double ByteRate(const WaveFormat& format);

  private:
    void Run();
    int64_t PlayTimeNs(uint64_t bytes) const;

    WaveOutClient& client_;
    AudioClock& clock_;
    const double bytes_per_sec_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    WaveHeader* queue_[kMaxQueued] = {};
    size_t head_ = 0;
    size_t queued_ = 0;
    // The time line of the buffers played since the device last ran dry.
    bool anchored_ = false;
    int64_t anchor_ns_ = 0;
    uint64_t anchor_bytes_ = 0;

    std::thread thread_;
};

}  // namespace qv::audio

// The output devices the player uses: the desktop's sound system when it can be opened, else the
// silent device that keeps the stream's pace, so a recording whose pictures follow its sound
// still plays on a machine without sound.
#pragma once

#include <memory>
#include <string>

#include "audio/audio_clock.h"
#include "audio/wave_out.h"

namespace qv::audio {

class SystemWaveOutDevices final : public WaveOutDevices {
  public:
    // The clock paces the silent device; it must outlive every device opened.
    explicit SystemWaveOutDevices(AudioClock& clock = SharedSteadyClock()) : clock_(clock) {}

    // The environment variable QV_AUDIO_DEVICE set to "null" skips the sound system.
    std::unique_ptr<WaveOut> Open(const WaveFormat& format, WaveOutClient& client) override;

    // Why the last Open fell back to the silent device (empty when it did not).
    const std::string& FallbackReason() const { return reason_; }

  private:
    AudioClock& clock_;
    std::string reason_;
};

}  // namespace qv::audio

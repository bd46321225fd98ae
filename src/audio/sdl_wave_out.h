// Sound through the desktop's sound system (PipeWire, PulseAudio or ALSA, whichever SDL reaches).
// The device takes IMA ADPCM buffers, decodes them block by block on SDL's audio thread and
// reports each buffer done once its last byte has been decoded for the sound card.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/ima_adpcm.h"
#include "audio/wave_out.h"

namespace qv::audio {

class SdlWaveOut final : public WaveOut {
  public:
    static constexpr size_t kMaxQueued = 64;

    // Opens the default output for a mono IMA ADPCM format; null (with the reason in error)
    // when SDL has no sound device or the format is not one the device can decode.
    static std::unique_ptr<SdlWaveOut> Open(const WaveFormat& format, WaveOutClient& client,
                                            std::string& error);
    ~SdlWaveOut() override;
    SdlWaveOut(const SdlWaveOut&) = delete;
    SdlWaveOut& operator=(const SdlWaveOut&) = delete;

    WaveResult Prepare(WaveHeader& header) override { return PrepareHeader(header); }
    WaveResult Unprepare(WaveHeader& header) override { return UnprepareHeader(header); }
    WaveResult Write(WaveHeader& header) override;
    const char* Name() const override { return "sdl"; }

  private:
    SdlWaveOut(const WaveFormat& format, WaveOutClient& client);
    static void Callback(void* self, uint8_t* stream, int len);
    void Produce(int16_t* out, size_t samples);

    WaveOutClient& client_;
    uint32_t device_ = 0;
    bool subsystem_ = false;
    // Touched under SDL's device lock only.
    WaveHeader* queue_[kMaxQueued] = {};
    size_t head_ = 0;
    size_t queued_ = 0;
    size_t head_offset_ = 0;
    size_t block_pos_ = 0;
    ImaBlockAssembler blocks_;
};

}  // namespace qv::audio

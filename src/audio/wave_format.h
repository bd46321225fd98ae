// The description of a sound stream handed to an output device: the fields of a WAVE "fmt "
// chunk.
#pragma once

#include <cstdint>

namespace qv::audio {

constexpr uint16_t kFormatPcm = 0x0001;
constexpr uint16_t kFormatImaAdpcm = 0x0011;

struct WaveFormat {
    uint16_t format_tag = 0;
    uint16_t channels = 0;
    uint32_t samples_per_sec = 0;
    uint32_t avg_bytes_per_sec = 0;
    uint16_t block_align = 0;
    uint16_t bits_per_sample = 0;
    // The one extra field of IMA ADPCM: samples in one block (0 for PCM).
    uint16_t samples_per_block = 0;
};

// The camera's sound: IMA ADPCM, mono, 16000 samples per second in 128-byte blocks of 249
// samples, declared at 8110 bytes per second.
constexpr WaveFormat TkmSoundFormat() {
    return WaveFormat{kFormatImaAdpcm, 1, 16000, 8110, 128, 4, 249};
}

// 16-bit PCM with the same channels and rate, what the sound is decoded to.
constexpr WaveFormat Pcm16Format(uint16_t channels, uint32_t samples_per_sec) {
    return WaveFormat{kFormatPcm,
                      channels,
                      samples_per_sec,
                      samples_per_sec * channels * 2u,
                      static_cast<uint16_t>(channels * 2u),
                      16,
                      0};
}

}  // namespace qv::audio

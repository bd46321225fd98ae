// Where a stream reader hands the sound bytes of a recording, in stream order.
#pragma once

#include <cstdint>

namespace qv::audio {

class AudioSink {
  public:
    virtual ~AudioSink() = default;
    // Takes count bytes of the camera's IMA ADPCM sound; returns how many bytes were not stored
    // (dropped because the buffer was full).
    virtual int32_t FeedAudioBytes(const uint8_t* bytes, int32_t count) = 0;
};

}  // namespace qv::audio

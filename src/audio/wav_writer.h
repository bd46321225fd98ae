// Writes a sound stream as a RIFF WAVE file: 16-bit PCM, or IMA ADPCM kept as recorded (with the
// "fact" chunk that format needs). The sizes in the header are filled in by Finish(); a file that
// is not finished is removed, so a failed write never leaves a file that looks complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/wave_format.h"
#include "platform/file.h"

namespace qv::audio {

class WavWriter {
  public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Creates the file (replacing one of that name) for a PCM or IMA ADPCM format.
    bool Create(const std::string& path, const WaveFormat& format);
    bool Write(const void* bytes, size_t count);
    // Fills in the chunk sizes and the sample count and closes the file.
    bool Finish();
    // Closes and removes an unfinished file.
    void Abandon();

    uint64_t DataBytes() const { return data_bytes_; }
    // Sample frames the data holds (for IMA ADPCM: whole blocks plus a short last block).
    uint64_t SampleFrames() const;
    const std::string& LastError() const { return error_; }

  private:
    bool Fail(const std::string& what);
    bool PatchU32(int64_t offset, uint32_t value);

    platform::File file_;
    std::string path_;
    WaveFormat format_;
    uint64_t data_bytes_ = 0;
    int64_t riff_size_at_ = 0;
    int64_t fact_at_ = -1;
    int64_t data_size_at_ = 0;
    bool open_ = false;
    std::string error_;
};

}  // namespace qv::audio

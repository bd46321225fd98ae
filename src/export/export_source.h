// What an export needs of the open camera AVI: its frames, speed, path and the bytes in front of
// its frame index that the exported movie keeps.
#pragma once

#include <cstdint>
#include <string>

namespace qv::exports {

class ExportSource {
  public:
    virtual ~ExportSource() = default;

    virtual int FrameCount() const = 0;
    virtual int Scale() const = 0;  // as the reader holds them (after its replacement rules)
    virtual int Rate() const = 0;
    // The recording's file; an export never writes onto it.
    virtual const std::string& SourcePath() const = 0;
    // The source file's bytes in front of its frame data and index that the exported movie keeps:
    // everything before "idx1" in the camera's layout, everything before the "movi" list when
    // that comes first. 0 when there is no such header.
    virtual uint32_t HeaderLength() const = 0;
    // Reads the first n bytes of the source file into out.
    virtual bool ReadHead(uint8_t* out, size_t n) = 0;
    // The JPEG size of a frame as the index lists it.
    virtual uint32_t IndexedFrameSize(int frame) const = 0;
    // Reads a frame's JPEG bytes (data stays valid until the next read). False when the frame
    // cannot be read.
    virtual bool ReadFrameBytes(int frame, const uint8_t*& data, uint32_t& size) = 0;
};

}  // namespace qv::exports

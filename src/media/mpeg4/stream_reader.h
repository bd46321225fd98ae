// The mapped stream reader: one window of the file is mapped at a time and slides over it as the
// bit reader moves. Every header and macroblock parser reads through here, most significant bit
// first (ISO/IEC 14496-2 bitstream order).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "media/mpeg4/window_source.h"

namespace qv::mpeg4 {

class StreamReader {
  public:
    // 1 MiB rounded down to a multiple of the system's allocation granularity.
    static uint32_t DefaultGranule();

    StreamReader() = default;
    StreamReader(const StreamReader&) = delete;
    StreamReader& operator=(const StreamReader&) = delete;

    // Takes the source and maps its first window. granule is the window size (tests pass tiny
    // ones to cross window edges often). False (with LastError) when the first window cannot be
    // mapped; the reader then stays closed.
    bool Open(std::unique_ptr<WindowSource> source, uint32_t granule);
    // Releases the window and the source; true if nothing was open or all went well.
    bool Close();
    bool IsOpen() const { return source_ != nullptr; }

    // Maps the window that starts at offset (a multiple of the granule). Returns the window length,
    // or -1 at or past the end of the file (the current window stays) or when the system refuses.
    int32_t MapWindowAt(uint64_t offset);

    // Reads n (0..32) bits into the low bits of value. False at the end of the file, with the bits
    // read so far in value.
    bool ReadBits(int n, uint32_t& value) {
        if (n > 0 && end_ - cur_ >= 8 && bit_ < 8) {
            value = static_cast<uint32_t>((Load64() << bit_) >> (64 - n));
            Consume(n);
            return true;
        }
        return ReadBitsSlow(n, value);
    }
    // As ReadBits, then puts the reader back where it was.
    bool PeekBits(int n, uint32_t& value) {
        if (n > 0 && end_ - cur_ >= 8 && bit_ < 8) {
            value = static_cast<uint32_t>((Load64() << bit_) >> (64 - n));
            return true;
        }
        return PeekBitsSlow(n, value);
    }
    // Consumes n (0..32) bits just peeked; false at the end of the file.
    bool SkipBits(int n) {
        if (end_ - cur_ >= 8 && bit_ < 8) {
            Consume(n);
            return true;
        }
        uint32_t ignored;
        return ReadBitsSlow(n, ignored);
    }
    // Number of 0 bits from the current bit up to the next 1 bit, not consumed; -1 if the file
    // ends first.
    int32_t CountZeroBitsAhead();

    bool AdvanceByte();
    bool StepBackByte();
    bool SkipBytes(uint64_t n);
    // Copies n bytes from the current byte on and restores the position.
    bool PeekBytes(uint8_t* buffer, uint32_t n);
    // Byte alignment before a start code, with the stuffing bytes 0x7F and 0x80 skipped.
    void AlignToByte();
    // Finds the next start code within 32 bytes and returns 0x100 + its code byte (not consumed),
    // or -1.
    int32_t NextStartCode();
    bool ReadUInt16LE(uint16_t& value);
    bool ReadUInt32LE(uint32_t& value);

    // File offset of the current byte.
    uint64_t Position() const { return window_offset_ + static_cast<uint64_t>(cur_ - start_); }
    uint8_t BitMask() const { return static_cast<uint8_t>(0x80u >> bit_); }
    // Puts the bit reader on the first bit of the current byte.
    void SetByteAligned() { bit_ = 0; }
    uint8_t CurrentByte() const { return *cur_; }
    // The current byte and how many bytes of the window follow it (including it): lets callers copy
    // payloads window by window.
    const uint8_t* CurrentPointer() const { return cur_; }
    uint32_t BytesLeftInWindow() const { return static_cast<uint32_t>(end_ - cur_); }
    // Bits of the current byte already read (0..7; 8 after a read hit the end of the file).
    int BitOffset() const { return bit_; }
    // Puts the reader at byte p of the current window, bit offset bit (0..7), after a hot loop
    // read the window directly.
    void MoveWithinWindow(const uint8_t* p, int bit) {
        cur_ = p;
        bit_ = bit;
    }
    // Moves to an absolute file offset (byte aligned). False, not moved, when past the end.
    bool SeekTo(uint64_t offset);

    uint64_t FileSize() const { return size_; }
    uint64_t WindowOffset() const { return window_offset_; }
    uint32_t WindowLength() const { return static_cast<uint32_t>(end_ - start_); }
    uint32_t Granule() const { return granule_; }
    // Offset, within the first window, of the first byte after the stream headers (0 until known).
    int32_t header_end = 0;
    // Bytes skipped by the last successful start-code search.
    int32_t bytes_skipped = 0;
    // System text of the last failed window mapping.
    const std::string& LastError() const { return last_error_; }

  private:
    struct Mark {
        uint64_t window_offset;
        uint32_t index;
        int bit;
    };
    Mark Save() const { return {window_offset_, static_cast<uint32_t>(cur_ - start_), bit_}; }
    void Restore(const Mark& m);
    bool ReadBitsSlow(int n, uint32_t& value);
    bool PeekBitsSlow(int n, uint32_t& value);
    uint64_t Load64() const {
        uint64_t v;
        std::memcpy(&v, cur_, 8);
        if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
        return v;
    }
    // Moves on n bits inside the window (the caller checked that 8 bytes follow).
    void Consume(int n) {
        const int total = bit_ + n;
        cur_ += total >> 3;
        bit_ = total & 7;
    }
    int32_t CountZeroBitsSlow();
    void Drop();

    std::unique_ptr<WindowSource> source_;
    uint64_t size_ = 0;
    uint64_t window_offset_ = 0;
    uint32_t granule_ = 0;
    const uint8_t* start_ = nullptr;
    const uint8_t* cur_ = nullptr;
    const uint8_t* end_ = nullptr;
    int bit_ = 0;  // bits of the current byte already read; 8 after a read hit the end of the file
    std::string last_error_;
};

}  // namespace qv::mpeg4

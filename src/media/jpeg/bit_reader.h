// Entropy-coded scan data read most significant bit first through a 64-bit reservoir. Stuffed
// zero bytes behind 0xFF are dropped; a marker (0xFF followed by anything else) or the end of the
// frame's bytes stops the feed, after which zero bits are supplied and the reader counts as
// failed once any of them has been consumed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qv {

// Error code of a reader that ran off the frame's bytes without meeting a marker.
constexpr int kScanEndOfData = 0x100;
// Error code of a code that matches no table entry, or a run past coefficient 63.
constexpr int kScanBadCode = 255;

class BitReader {
  public:
    BitReader(const uint8_t* data, size_t size)
        : start_(data), p_(data), end_(data + size), next_ff_(FindFF(data)) {
        FindClean();
    }

    // Makes at least 32 bits available in the reservoir.
    inline void Fill() {
        if (bits_ >= 32) return;
        // Fast path: eight bytes at once, all before the next 0xFF.
        if (p_ < clean_end_) {
            uint64_t chunk = 0;
            for (int i = 0; i < 8; ++i)
                chunk = (chunk << 8) | p_[i];
            // The whole bytes that fit make 56 to 63 bits. The first bits of the byte after them
            // come in too, below the count: the next fill puts the same bits there.
            acc_ |= chunk >> bits_;
            p_ += 7 - (bits_ >> 3);
            bits_ |= 56;
            return;
        }
        // Byte by byte around a 0xFF and at the end of the data.
        while (bits_ <= 56) {
            if (stopped_) {
                // Past a marker: feed zero bytes, and count them so consuming one is an error.
                bits_ += 8;
                padding_ += 8;
                continue;
            }
            if (p_ >= end_) {
                Stop(kScanEndOfData, p_);
                continue;
            }
            uint8_t byte = *p_;
            if (byte == 0xFF) {
                if (p_ + 1 >= end_) {
                    Stop(kScanEndOfData, p_);
                    continue;
                }
                if (p_[1] != 0x00) {
                    Stop(p_[1], p_);
                    continue;
                }
                p_ += 2;
            } else {
                ++p_;
            }
            acc_ |= static_cast<uint64_t>(byte) << (56 - bits_);
            bits_ += 8;
        }
        FindClean();
    }

    // The next 16 bits, without consuming them (needs Fill first).
    inline uint32_t Peek16() const { return static_cast<uint32_t>(acc_ >> 48); }
    // The next n bits (1..16), without consuming them (needs Fill first).
    inline uint32_t Peek(int n) const { return static_cast<uint32_t>(acc_ >> (64 - n)); }
    inline void Skip(int n) {
        acc_ <<= n;
        bits_ -= n;
    }
    // n bits (0..16) as an unsigned value (needs Fill first).
    inline uint32_t Get(int n) {
        if (n == 0) return 0;
        uint32_t v = static_cast<uint32_t>(acc_ >> (64 - n));
        Skip(n);
        return v;
    }
    inline uint32_t GetBit() {
        uint32_t v = static_cast<uint32_t>(acc_ >> 63);
        Skip(1);
        return v;
    }

    // True once a bit behind a marker or the frame's end has been consumed.
    inline bool Failed() const { return bits_ < padding_; }
    // The byte that followed the 0xFF of the marker that stopped the feed, kScanEndOfData, or 0.
    int StopCode() const { return stop_code_; }

    // Bytes of scan data the consumed bits came from, a started byte counted whole.
    size_t BytesTaken() const {
        int unread_real = bits_ - padding_;
        const uint8_t* fed = stopped_ ? stop_at_ : p_;
        size_t fed_bytes = static_cast<size_t>(fed - start_);
        size_t unread_bytes = unread_real > 0 ? static_cast<size_t>(unread_real) / 8 : 0;
        return fed_bytes > unread_bytes ? fed_bytes - unread_bytes : 0;
    }
    // Bytes up to and including the 0xFF that stopped the feed (the frame's end when none did).
    size_t BytesToStop() const {
        const uint8_t* at = stopped_ ? stop_at_ : p_;
        size_t n = static_cast<size_t>(at - start_);
        return stop_code_ == kScanEndOfData ? n : n + 1;
    }

  private:
    // The first 0xFF at or after p, or the end of the data.
    const uint8_t* FindFF(const uint8_t* p) const {
        if (p == end_) return end_;
        const void* ff = std::memchr(p, 0xFF, static_cast<size_t>(end_ - p));
        return ff ? static_cast<const uint8_t*>(ff) : end_;
    }
    // Where the fast path ends: eight bytes read from below it hold no 0xFF and lie in the data.
    void FindClean() {
        if (stopped_) {
            clean_end_ = start_;
            return;
        }
        if (next_ff_ < p_) next_ff_ = FindFF(p_);
        clean_end_ = next_ff_ - p_ >= 8 ? next_ff_ - 7 : p_;
    }
    void Stop(int code, const uint8_t* at) {
        stopped_ = true;
        clean_end_ = start_;
        stop_code_ = code;
        stop_at_ = at;
    }

    const uint8_t* start_;
    const uint8_t* p_;
    const uint8_t* end_;
    const uint8_t* next_ff_;           // the first 0xFF at or after the last search
    const uint8_t* clean_end_ = end_;  // the fast path's end; the start once stopped
    const uint8_t* stop_at_ = nullptr;
    uint64_t acc_ = 0;
    int bits_ = 0;
    int padding_ = 0;
    bool stopped_ = false;
    int stop_code_ = 0;
};

// F.2.2.1: extends the size-bit value v to a signed coefficient.
inline int32_t ExtendSign(uint32_t v, int size) {
    int32_t value = static_cast<int32_t>(v);
    return value < (1 << (size - 1)) ? value - (1 << size) + 1 : value;
}

}  // namespace qv

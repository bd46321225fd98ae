// Bit-level reading and writing of MPEG-4 visual headers, most significant bit first, for the
// fixture builder and the tests that build streams by hand.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace qv::fixtures {

class BitWriter {
  public:
    void Put(uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i)
            PutBit((value >> i) & 1u);
    }
    void PutBit(uint32_t bit) {
        if (used_ == 0) bytes_.push_back(0);
        if (bit) bytes_.back() |= static_cast<uint8_t>(0x80u >> used_);
        used_ = (used_ + 1) & 7;
    }
    void PutBytes(const std::vector<uint8_t>& b) {
        for (uint8_t v : b)
            Put(v, 8);
    }
    // next_start_code(): a 0 bit and 1 bits up to the byte boundary (ISO/IEC 14496-2 5.2.4).
    void Stuff() {
        PutBit(0);
        while (used_ != 0)
            PutBit(1);
    }
    // A start code 00 00 01 code, byte aligned.
    void StartCode(uint8_t code) {
        while (used_ != 0)
            PutBit(0);
        Put(0x000001u, 24);
        Put(code, 8);
    }
    bool Aligned() const { return used_ == 0; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
    int used_ = 0;
};

class BitCursor {
  public:
    BitCursor(const uint8_t* data, size_t bits) : data_(data), bits_(bits) {}
    uint32_t Get(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            if (pos_ >= bits_) throw std::runtime_error("header ends early");
            v = (v << 1) | ((data_[pos_ >> 3] >> (7 - (pos_ & 7))) & 1u);
            ++pos_;
        }
        return v;
    }
    size_t Position() const { return pos_; }

  private:
    const uint8_t* data_;
    size_t bits_;
    size_t pos_ = 0;
};

}  // namespace qv::fixtures

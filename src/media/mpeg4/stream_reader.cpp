#include "media/mpeg4/stream_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qv::mpeg4 {

namespace {

uint64_t LoadBigEndian64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
}

}  // namespace

uint32_t StreamReader::DefaultGranule() {
    uint32_t g = platform::MappedFile::AllocationGranularity();
    constexpr uint32_t kMiB = 1u << 20;
    return g == 0 || g > kMiB ? kMiB : kMiB - kMiB % g;
}

bool StreamReader::Open(std::unique_ptr<WindowSource> source, uint32_t granule) {
    Close();
    if (!source || granule == 0) {
        last_error_ = "no stream";
        return false;
    }
    size_ = source->Size();
    granule_ = granule;
    if (size_ == 0) {
        last_error_ = "the file is empty";
        source->Close();
        return false;
    }
    uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(granule_, size_));
    const uint8_t* view = source->Map(0, length, last_error_);
    if (!view) {
        source->Close();
        return false;
    }
    source_ = std::move(source);
    window_offset_ = 0;
    start_ = cur_ = view;
    end_ = view + length;
    bit_ = 0;
    header_end = 0;
    bytes_skipped = 0;
    return true;
}

bool StreamReader::Close() {
    bool ok = true;
    if (source_) ok = source_->Close();
    source_.reset();
    Drop();
    size_ = 0;
    window_offset_ = 0;
    header_end = 0;
    return ok;
}

void StreamReader::Drop() {
    start_ = cur_ = end_ = nullptr;
    bit_ = 0;
}

int32_t StreamReader::MapWindowAt(uint64_t offset) {
    if (!source_ || offset >= size_) return -1;
    uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(granule_, size_ - offset));
    const uint8_t* view = source_->Map(offset, length, last_error_);
    if (!view) {
        // The old view is gone with the failed call; take it back so the reader stays usable.
        uint32_t old_length = static_cast<uint32_t>(end_ - start_);
        uint32_t index = static_cast<uint32_t>(cur_ - start_);
        std::string ignored;
        const uint8_t* old = source_->Map(window_offset_, old_length, ignored);
        if (!old) {
            Drop();
        } else {
            start_ = old;
            cur_ = old + index;
            end_ = old + old_length;
        }
        return -1;
    }
    window_offset_ = offset;
    start_ = cur_ = view;
    end_ = view + length;
    return static_cast<int32_t>(length);
}

void StreamReader::Restore(const Mark& m) {
    if (m.window_offset != window_offset_ && MapWindowAt(m.window_offset) < 0) return;
    if (!start_) return;
    cur_ = start_ + m.index;
    bit_ = m.bit;
}

bool StreamReader::AdvanceByte() {
    if (!cur_) return false;
    if (cur_ + 1 < end_) {
        ++cur_;
        return true;
    }
    return MapWindowAt(window_offset_ + static_cast<uint64_t>(end_ - start_)) >= 0;
}

bool StreamReader::StepBackByte() {
    if (!cur_) return false;
    if (cur_ > start_) {
        --cur_;
        return true;
    }
    if (window_offset_ == 0) return false;
    if (MapWindowAt(window_offset_ - granule_) < 0) return false;
    cur_ = end_ - 1;
    return true;
}

bool StreamReader::SeekTo(uint64_t offset) {
    if (!cur_ || offset >= size_) return false;
    uint64_t base = offset - offset % granule_;
    if (base != window_offset_ && MapWindowAt(base) < 0) return false;
    cur_ = start_ + (offset - base);
    bit_ = 0;
    return true;
}

bool StreamReader::SkipBytes(uint64_t n) {
    if (!cur_) return false;
    if (n < static_cast<uint64_t>(end_ - cur_)) {
        cur_ += n;
        return true;
    }
    int bit = bit_;
    uint64_t target = Position() + n;
    if (target >= size_ || target < n) return false;
    if (!SeekTo(target)) return false;
    bit_ = bit;
    return true;
}

bool StreamReader::ReadBitsSlow(int n, uint32_t& value) {
    value = 0;
    if (n <= 0) return true;
    if (!cur_) return false;
    for (int i = 0; i < n; ++i) {
        if (bit_ >= 8) {
            if (!AdvanceByte()) return false;
            bit_ = 0;
        }
        value = (value << 1) | ((*cur_ >> (7 - bit_)) & 1u);
        if (++bit_ == 8) {
            if (!AdvanceByte()) return false;
            bit_ = 0;
        }
    }
    return true;
}

bool StreamReader::PeekBitsSlow(int n, uint32_t& value) {
    if (n <= 0) {
        value = 0;
        return true;
    }
    Mark m = Save();
    bool ok = ReadBitsSlow(n, value);
    Restore(m);
    return ok;
}

int32_t StreamReader::CountZeroBitsSlow() {
    if (!cur_) return -1;
    Mark m = Save();
    int32_t zeros = 0;
    int32_t result = -1;
    while (true) {
        if (bit_ >= 8) {
            if (!AdvanceByte()) break;
            bit_ = 0;
        }
        if (bit_ == 0 && *cur_ == 0 && zeros < (1 << 30)) {
            zeros += 8;
            bit_ = 8;
            continue;
        }
        if ((*cur_ >> (7 - bit_)) & 1u) {
            result = zeros;
            break;
        }
        ++zeros;
        ++bit_;
    }
    Restore(m);
    return result;
}

int32_t StreamReader::CountZeroBitsAhead() {
    if (end_ - cur_ >= 8 && bit_ < 8) {
        uint64_t w = LoadBigEndian64(cur_) << bit_;
        if (w != 0) {
            int z = std::countl_zero(w);
            if (z < 64 - bit_) return z;
        }
    }
    return CountZeroBitsSlow();
}

bool StreamReader::PeekBytes(uint8_t* buffer, uint32_t n) {
    if (!cur_) return false;
    if (static_cast<uint64_t>(end_ - cur_) >= n) {
        std::memcpy(buffer, cur_, n);
        return true;
    }
    Mark m = Save();
    bool ok = true;
    for (uint32_t i = 0; i < n; ++i) {
        buffer[i] = *cur_;
        if (i + 1 < n && !AdvanceByte()) {
            ok = false;
            break;
        }
    }
    Restore(m);
    return ok;
}

void StreamReader::AlignToByte() {
    if (!cur_) return;
    if (bit_ == 0 && *cur_ == 0x7F) AdvanceByte();
    uint32_t ignored;
    while (bit_ != 0) {
        if (!ReadBitsSlow(1, ignored)) return;
    }
    if (*cur_ == 0x80) AdvanceByte();
}

int32_t StreamReader::NextStartCode() {
    AlignToByte();
    for (int skipped = 0; skipped <= 32; ++skipped) {
        int32_t z = CountZeroBitsAhead();
        if (z < 0) return -1;
        if (z >= 23) {
            bytes_skipped = skipped;
            uint32_t ignored;
            for (int32_t left = z - 23; left > 0; left -= 32) {
                if (!ReadBits(std::min<int32_t>(left, 32), ignored)) return -1;
            }
            uint32_t code;
            if (!PeekBits(32, code)) return -1;
            return static_cast<int32_t>(code);
        }
        if (!AdvanceByte()) return -1;
    }
    return -1;
}

bool StreamReader::ReadUInt16LE(uint16_t& value) {
    if (!cur_) return false;
    uint8_t lo = *cur_;
    if (!AdvanceByte()) return false;
    uint8_t hi = *cur_;
    value = static_cast<uint16_t>(lo | (hi << 8));
    return AdvanceByte();
}

bool StreamReader::ReadUInt32LE(uint32_t& value) {
    if (!cur_) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(*cur_) << (8 * i);
        if (!AdvanceByte()) return false;
    }
    return true;
}

}  // namespace qv::mpeg4

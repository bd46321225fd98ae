// Bounded little- and big-endian reads from a segment payload: a read past the end reports
// false and leaves its output alone.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

struct ByteSpan {
    const uint8_t* data = nullptr;
    size_t size = 0;

    bool Has(size_t offset, size_t count) const { return offset <= size && count <= size - offset; }
    bool U8(size_t offset, int32_t& out) const {
        if (!Has(offset, 1)) return false;
        out = data[offset];
        return true;
    }
    bool U16(size_t offset, int32_t& out) const {
        if (!Has(offset, 2)) return false;
        out = data[offset] | (data[offset + 1] << 8);
        return true;
    }
    bool S16(size_t offset, int32_t& out) const {
        if (!Has(offset, 2)) return false;
        out = static_cast<int16_t>(data[offset] | (data[offset + 1] << 8));
        return true;
    }
    bool U32(size_t offset, int32_t& out) const {
        if (!Has(offset, 4)) return false;
        uint32_t v = data[offset] | (data[offset + 1] << 8) | (data[offset + 2] << 16) |
                     (static_cast<uint32_t>(data[offset + 3]) << 24);
        out = static_cast<int32_t>(v);
        return true;
    }
};

}  // namespace qv

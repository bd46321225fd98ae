#include "media/mpeg4/vlc_reader.h"

namespace qv::mpeg4 {

namespace {

int32_t DecodeVlcBitByBit(StreamReader& r, std::span<const VlcRow> rows, int max_bits) {
    uint32_t code = 0;
    for (int length = 1; length <= max_bits; ++length) {
        uint32_t bit;
        if (!r.ReadBits(1, bit)) return -1;
        code = (code << 1) | bit;
        for (const VlcRow& row : rows)
            if (row.length == length && row.code == code) return row.value;
    }
    return -1;
}

// Matches a TCOEF code bit by bit on a saved position; the caller reads the bits it used.
int32_t MatchTcoefBitByBit(StreamReader& r, std::span<const TcoefRow> rows, const TcoefRow*& hit) {
    hit = nullptr;
    uint8_t bytes[3] = {0, 0, 0};
    uint32_t available = 0;
    for (uint32_t n = 3; n > 0; --n) {
        if (r.PeekBytes(bytes, n)) {
            available = n;
            break;
        }
    }
    // Whole bytes from the current one on; skip the bits of the current byte already read.
    uint32_t mask = r.BitMask();
    if (mask == 0) return -1;
    int used = 7 - (31 - __builtin_clz(mask));
    uint32_t word = (static_cast<uint32_t>(bytes[0]) << 16) | (bytes[1] << 8) | bytes[2];
    int bits_left = static_cast<int>(available) * 8 - used;
    uint32_t code = 0;
    for (int length = 1; length <= TcoefLookup::kBits && length <= bits_left; ++length) {
        code = (code << 1) | ((word >> (23 - used - (length - 1))) & 1u);
        for (const TcoefRow& row : rows) {
            if (row.length == length && row.code == code) {
                hit = &row;
                return 1;
            }
        }
    }
    return bits_left >= TcoefLookup::kBits ? 0 : -1;
}

}  // namespace

int32_t DecodeVlc(StreamReader& r, const VlcLookup& lookup, std::span<const VlcRow> rows) {
    uint32_t bits;
    if (r.PeekBits(lookup.MaxBits(), bits)) {
        VlcLookup::Entry e = lookup.Find(bits);
        if (e.length == 0) {
            // No code within the longest length: consume them as the bit-by-bit search would.
            r.ReadBits(lookup.MaxBits(), bits);
            return -1;
        }
        r.SkipBits(e.length);
        return e.value;
    }
    return DecodeVlcBitByBit(r, rows, lookup.MaxBits());
}

int32_t DecodeTcoefNearEnd(StreamReader& r, std::span<const TcoefRow> rows, Tcoef& out) {
    const TcoefRow* hit;
    int32_t found = MatchTcoefBitByBit(r, rows, hit);
    if (found <= 0) {
        out = Tcoef{};
        return found;
    }
    out.run = hit->run;
    out.level = hit->level;
    out.last = hit->last;
    uint32_t code_and_sign;
    if (!r.ReadBits(hit->length + 1, code_and_sign)) return -1;
    if (code_and_sign & 1u) out.level = -out.level;
    return 1;
}

}  // namespace qv::mpeg4

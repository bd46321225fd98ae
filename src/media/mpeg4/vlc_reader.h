// Reading variable-length codes through the stream reader: a flat look-up on the next bits, and,
// where fewer bits than the longest code are left before the end of the file, the bit-by-bit
// match that gives the same answer.
#pragma once

#include <cstdint>

#include "media/mpeg4/stream_reader.h"
#include "media/mpeg4/vlc_tables.h"

namespace qv::mpeg4 {

// Value of the next code of the table, consumed; -1 when no code matches or the file ends.
int32_t DecodeVlc(StreamReader& reader, const VlcLookup& lookup, std::span<const VlcRow> rows);

struct Tcoef {
    int32_t run = 0;
    int32_t level = 0;  // signed
    int32_t last = 0;
};

// The bit-by-bit match of DecodeTcoef, for the last bits of a file.
int32_t DecodeTcoefNearEnd(StreamReader& reader, std::span<const TcoefRow> rows, Tcoef& out);

// One TCOEF code and its sign bit: 1 found, 0 no code (the reader is left where it was, as for the
// escape code), -1 the file ended.
inline int32_t DecodeTcoef(StreamReader& reader, const TcoefLookup& lookup,
                           std::span<const TcoefRow> rows, Tcoef& out) {
    uint32_t bits;
    // The longest code and its sign bit in one look.
    if (!reader.PeekBits(TcoefLookup::kBits + 1, bits))
        return DecodeTcoefNearEnd(reader, rows, out);
    const TcoefLookup::Entry e = lookup.Find(bits >> 1);
    if (e.length == 0) {
        out = Tcoef{};
        return 0;
    }
    out.run = e.run;
    out.last = e.last;
    const bool negative = (bits >> (TcoefLookup::kBits - e.length)) & 1u;
    out.level = negative ? -e.level : e.level;
    reader.SkipBits(e.length + 1);
    return 1;
}

}  // namespace qv::mpeg4

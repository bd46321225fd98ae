// Skipping the AC coefficients of a block several codes at a time, for the reduced decode that
// keeps only DC: for the next kAcSkipBits bits of the stream, how many bits the whole codes in
// them take (value bits included) and how many coefficient positions they pass.
#pragma once

#include <array>
#include <cstdint>

#include "media/jpeg/standard_ac_tables.h"

namespace qv {

constexpr int kAcSkipBits = 16;

// Bits 0-4: bits of the whole codes with their value bits (0 when not even one fits); bits 5-11:
// positions passed (run + 1 per coefficient, 16 per sixteen zeros); bit 15: the last code taken
// is the end of the block. Two bytes keep both tables at 256 KiB.
using AcSkipEntry = uint16_t;
using AcSkipLookup = std::array<AcSkipEntry, 1 << kAcSkipBits>;

inline int SkipBits(AcSkipEntry e) {
    return e & 31;
}
inline int SkipAdvance(AcSkipEntry e) {
    return (e >> 5) & 127;
}
inline bool SkipEndsBlock(AcSkipEntry e) {
    return (e >> 15) != 0;
}

// Built at first use from the standard tables and kept (read-only afterwards).
const AcSkipLookup& AcLuminanceSkip();
const AcSkipLookup& AcChrominanceSkip();
void BuildAcSkip(const AcLookup& codes, AcSkipLookup& out);

}  // namespace qv

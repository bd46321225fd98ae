// The AC Huffman tables every camera frame is coded with (ISO/IEC 10918-1 Annex K, tables K.5
// and K.6) and the 16-bit look-up tables built from them once per process.
#pragma once

#include <array>
#include <cstdint>

namespace qv {

struct HuffmanSpec {
    std::array<uint8_t, 16> counts;
    std::array<uint8_t, 162> symbols;
};

extern const HuffmanSpec kStdAcLuminance;
extern const HuffmanSpec kStdAcChrominance;

// 65536 entries indexed by the next 16 bits of the stream: (code length << 8) | symbol, 0 where
// no code starts.
using AcLookup = std::array<uint16_t, 65536>;

// Built at first use and kept for the life of the process (read-only afterwards).
const AcLookup& AcLuminanceLookup();
const AcLookup& AcChrominanceLookup();

// The first kAcFastBits bits of the stream decode a whole short coefficient at once: its code and
// its value bits together. Derived from the 16-bit tables; a code whose bits do not fit is marked
// kAcFastLongCode (bits = 0) and sends the decoder to them. The three markers are the largest
// advance values, so one comparison separates them from coefficients.
constexpr int kAcFastBits = 10;
constexpr uint8_t kAcFastEndOfBlock = 0xFF;
constexpr uint8_t kAcFastSixteenZeros = 0xFE;
constexpr uint8_t kAcFastLongCode = 0xFD;
struct AcFastEntry {
    int16_t value;    // the coefficient (sign-extended)
    uint8_t bits;     // code length + value bits to consume, 0 when longer than kAcFastBits
    uint8_t advance;  // positions passed: the zeros in front and the coefficient, or a marker
};
using AcFastLookup = std::array<AcFastEntry, 1 << kAcFastBits>;
AcFastLookup MakeAcFast(const AcLookup& codes);
void BuildAcFast(const AcLookup& codes, AcFastLookup& out);

// Built at first use and kept for the life of the process (read-only afterwards). Defined here,
// so that the decode loops see the tables' fixed addresses and need no register to hold them.
inline const AcFastLookup& AcLuminanceFast() {
    static const AcFastLookup table = MakeAcFast(AcLuminanceLookup());
    return table;
}
inline const AcFastLookup& AcChrominanceFast() {
    static const AcFastLookup table = MakeAcFast(AcChrominanceLookup());
    return table;
}

// Builds a look-up table from the code counts and symbols of a Huffman table (used for the two
// above and by tests).
void BuildAcLookup(const HuffmanSpec& codes, AcLookup& out);

}  // namespace qv

// Reading the Huffman-coded DC differences and AC coefficients of a block from the scan, shared
// by the full decode and the reduced decode that keeps only DC.
#pragma once

#include <algorithm>
#include <cstdint>

#include "media/jpeg/bit_reader.h"
#include "media/jpeg/jpeg_tables.h"
#include "media/jpeg/standard_ac_tables.h"

namespace qv {

// One AC step: the run of zeros and the coefficient, or the end of the block (run < 0), or
// sixteen zeros (run 16, value 0).
struct AcStep {
    int run;
    int32_t value;
};

// An AC code through the 16-bit table, for codes the fast table does not hold (needs Fill
// first). A code that matches no entry ends the block.
inline AcStep LongAc(BitReader& br, const AcLookup& ac) {
    uint16_t entry = ac[br.Peek16()];
    br.Skip(entry >> 8);
    int run = (entry >> 4) & 15;
    int size = entry & 15;
    if (size) return {run, ExtendSign(br.Get(size), size)};
    return run == 15 ? AcStep{16, 0} : AcStep{-1, 0};
}

// The step of a fast-table entry carrying one of its markers (needs Fill first).
inline AcStep MarkedAc(BitReader& br, AcFastEntry f, const AcLookup& ac) {
    if (f.advance == kAcFastLongCode) return LongAc(br, ac);
    br.Skip(f.bits);
    return f.advance == kAcFastEndOfBlock ? AcStep{-1, 0} : AcStep{16, 0};
}

// The next AC step; short codes come from the fast table in one look-up.
inline AcStep NextAc(BitReader& br, const AcFastLookup& fast, const AcLookup& ac) {
    br.Fill();
    AcFastEntry f = fast[br.Peek16() >> (16 - kAcFastBits)];
    if (f.advance >= kAcFastLongCode) return MarkedAc(br, f, ac);
    br.Skip(f.bits);
    return {f.advance - 1, f.value};
}

// The size symbol of a DC difference: a 9-bit look-ahead, then a code-by-code walk over the
// table's code ranges. Returns the symbol, or -1 when no code matches within 16 bits.
inline int DecodeDcSymbol(BitReader& br, const HuffmanTable& t) {
    uint32_t peek = br.Peek16();
    uint16_t fast = t.lookahead[peek >> 7];
    if (fast) {
        br.Skip(fast >> 8);
        return fast & 0xFF;
    }
    int32_t code = static_cast<int32_t>(peek >> 15);
    for (int len = 1; len <= 16; ++len) {
        if (t.maxcode[len] >= code) {
            br.Skip(len);
            int index = t.valptr[len] + code - t.mincode[len];
            return t.symbols[std::clamp(index, 0, 255)];
        }
        if (len < 16) code = (code << 1) | static_cast<int32_t>((peek >> (15 - len)) & 1);
    }
    return -1;
}

// DC difference of one block; sets error to kScanBadCode when the code or its size is invalid.
inline int32_t DecodeDcDiff(BitReader& br, const HuffmanTable& t, int& error) {
    br.Fill();
    int s = DecodeDcSymbol(br, t);
    if (s < 0 || s > 16) {
        error = kScanBadCode;
        return 0;
    }
    if (s == 0) return 0;
    uint32_t bits = br.Get(s);
    return s <= 11 ? ExtendSign(bits, s) : static_cast<int32_t>(bits);
}

}  // namespace qv

// Quantisation and Huffman tables of the last parsed frame.
#pragma once

#include <array>
#include <cstdint>

namespace qv {

// A Huffman decoder table as built from one DHT segment (ISO/IEC 10918-1 C.2, F.2.2.3).
struct HuffmanTable {
    std::array<uint8_t, 16> counts{};    // BITS: codes of each length 1-16
    std::array<uint8_t, 256> symbols{};  // HUFFVAL
    std::array<int32_t, 17> mincode{};   // smallest code of each length (index 1-16)
    std::array<int32_t, 18> maxcode{};   // largest code of each length, -1 without codes
    std::array<int32_t, 17> valptr{};    // index of the first symbol of each length
    // Fast path: for the next 9 bits, (length << 8) | symbol, or 0 when the code is longer.
    std::array<uint16_t, 512> lookahead{};
    bool defined = false;
};

struct JpgTables {
    // Quantisation tables 0-2 in zigzag order, each value multiplied by the transform's scale
    // factor of its position.
    std::array<std::array<int32_t, 64>, 3> quant{};
    // First (DC) value of tables 0 and 1 as stored in the stream, unscaled.
    std::array<int32_t, 2> dc_quant{};
    // [class][identifier]: class 0 DC, class 1 AC (stored, not used: AC uses the standard tables).
    std::array<std::array<HuffmanTable, 2>, 2> huffman{};
    // Picture size announced by the frame's own SOF0 header; 0 when the frame has none.
    int32_t frame_width = 0;
    int32_t frame_height = 0;
};

// Scale factor of each zigzag position: 128 / (a(u) a(v)), a(0) = 1, a(k) = sqrt(2) cos(k pi/16).
extern const std::array<int32_t, 64> kQuantScale;

// Natural (row-major) position of each zigzag index (ISO/IEC 10918-1 Figure A.6).
extern const std::array<uint8_t, 64> kZigzagToNatural;

// Builds the decoder table from the 16 counts and the symbols. False when the counts sum past
// 256 or describe more codes than fit in their lengths; the table is then left undefined.
bool BuildHuffmanTable(const uint8_t* counts, const uint8_t* symbols, int symbol_count,
                       HuffmanTable& out);

}  // namespace qv

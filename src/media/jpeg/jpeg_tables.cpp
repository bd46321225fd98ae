#include "media/jpeg/jpeg_tables.h"

#include <cmath>

namespace qv {

namespace {

std::array<uint8_t, 64> MakeZigzag() {
    // Walk the anti-diagonals of the 8x8 block, alternating direction (ISO/IEC 10918-1 A.3.6).
    std::array<uint8_t, 64> map{};
    int k = 0;
    for (int s = 0; s < 15; ++s) {
        for (int i = 0; i <= s; ++i) {
            int row = (s % 2 == 0) ? s - i : i;
            int col = s - row;
            if (row < 8 && col < 8) map[k++] = static_cast<uint8_t>(row * 8 + col);
        }
    }
    return map;
}

std::array<int32_t, 64> MakeQuantScale(const std::array<uint8_t, 64>& zigzag) {
    const double pi = 3.14159265358979323846;
    auto a = [pi](int k) { return k == 0 ? 1.0 : std::sqrt(2.0) * std::cos(k * pi / 16.0); };
    std::array<int32_t, 64> scale{};
    for (int k = 0; k < 64; ++k) {
        int u = zigzag[k] % 8;
        int v = zigzag[k] / 8;
        scale[k] = static_cast<int32_t>(std::lround(128.0 / (a(u) * a(v))));
    }
    return scale;
}

}  // namespace

const std::array<uint8_t, 64> kZigzagToNatural = MakeZigzag();
const std::array<int32_t, 64> kQuantScale = MakeQuantScale(kZigzagToNatural);

bool BuildHuffmanTable(const uint8_t* counts, const uint8_t* symbols, int symbol_count,
                       HuffmanTable& out) {
    int total = 0;
    for (int i = 0; i < 16; ++i)
        total += counts[i];
    if (total > 256 || total > symbol_count) return false;

    HuffmanTable t;
    std::copy(counts, counts + 16, t.counts.begin());
    std::copy(symbols, symbols + total, t.symbols.begin());
    // Canonical codes (C.2): count up within a length, double between lengths.
    int32_t code = 0;
    int index = 0;
    t.maxcode[17] = 0x7FFFFFFF;
    for (int len = 1; len <= 16; ++len) {
        int n = counts[len - 1];
        t.valptr[len] = index;
        t.mincode[len] = code;
        if (n == 0) {
            t.maxcode[len] = -1;
        } else {
            code += n;
            if (code > (1 << len)) return false;  // more codes than the length can hold
            t.maxcode[len] = code - 1;
            // Every code of up to 9 bits gets the look-ahead entries that start with it.
            if (len <= 9) {
                for (int c = code - n; c < code; ++c) {
                    int sym = t.symbols[index + (c - (code - n))];
                    int first = c << (9 - len);
                    int span = 1 << (9 - len);
                    for (int j = 0; j < span; ++j)
                        t.lookahead[first + j] = static_cast<uint16_t>((len << 8) | sym);
                }
            }
            index += n;
        }
        code <<= 1;
    }
    t.defined = true;
    out = t;
    return true;
}

}  // namespace qv

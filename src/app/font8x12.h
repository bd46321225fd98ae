// The 8 x 12 bitmap font of the embedded timestamp: 128 glyphs of 12 row bytes, top row first; in
// each byte bit 0 is the leftmost pixel.
#pragma once

#include <cstdint>

namespace qv::app {

inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 12;

// The 12 row bytes of a character; characters without a glyph (all but the digits, "/" and ":")
// are blank.
const uint8_t* GlyphRows(char c);

}  // namespace qv::app

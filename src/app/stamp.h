// Drawing into the bottom band of a picture: the capture time text and the grey band of pictures
// that carry no time.
#pragma once

#include <string>

#include "media/picture/picture.h"

namespace qv::app {

inline constexpr int kBandHeight = 16;

// Blackens the bottom 16 rows and draws the text there in white, right-aligned in cells of 10
// pixels (8 of glyph, 2 of gap), never starting left of x = 8. A text wider than the picture is
// cut at its right edge; a picture lower than the band is left alone.
void StampText(Picture& picture, const std::string& text);

// Fills the bottom 16 rows with light grey (blue 200, green 208, red 212).
void GreyBand(Picture& picture);

}  // namespace qv::app

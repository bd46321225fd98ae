#include "app/stamp.h"

#include <cstring>

#include "app/font8x12.h"

namespace qv::app {

void StampText(Picture& picture, const std::string& text) {
    const int w = picture.width, h = picture.height;
    if (w <= 0 || h < kBandHeight || picture.pixels.size() < picture.Stride() * h) return;
    for (int y = h - kBandHeight; y < h; ++y)
        std::memset(picture.Row(y), 0, picture.Stride());
    long long x0 = static_cast<long long>(w) - 10LL * static_cast<long long>(text.size());
    if (x0 < 8) x0 = 8;
    for (int j = 0; j < kGlyphHeight; ++j) {
        uint8_t* row = picture.Row(h - 14 + j);
        for (size_t n = 0; n < text.size(); ++n) {
            const long long cell = x0 + 10LL * static_cast<long long>(n);
            if (cell >= w) break;
            const uint8_t bits = GlyphRows(text[n])[j];
            for (int k = 0; k < kGlyphWidth && cell + k < w; ++k) {
                const uint8_t v = (bits >> k) & 1 ? 255 : 0;
                std::memset(row + (cell + k) * 3, v, 3);
            }
        }
    }
}

void GreyBand(Picture& picture) {
    const int w = picture.width, h = picture.height;
    if (w <= 0 || h < kBandHeight || picture.pixels.size() < picture.Stride() * h) return;
    for (int y = h - kBandHeight; y < h; ++y) {
        uint8_t* p = picture.Row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            p[0] = 200;
            p[1] = 208;
            p[2] = 212;
        }
    }
}

}  // namespace qv::app

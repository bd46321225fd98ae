// The decoded picture both decoders write: 24 bits per pixel, rows top first, each pixel three
// bytes in the order blue, green, red, rows packed without padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 3 bytes

    // Sizes the picture (zero-filled) for a movie; called once per open, not per frame.
    void Allocate(int w, int h) {
        width = w;
        height = h;
        pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 0);
    }
    size_t Stride() const { return static_cast<size_t>(width) * 3; }
    uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * Stride(); }
    const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * Stride(); }
};

}  // namespace qv

#include "media/mpeg4/yuv_rgb.h"

#include <algorithm>

#include "media/mpeg4/yuv_rgb_lanes.h"
#include "media/simd/simd_target.h"

namespace qv::mpeg4 {

YuvTables::YuvTables() {
    for (int i = 0; i < 256; ++i) {
        luma[i] = 1192 * (i - 16);
        red_v[i] = 1634 * (i - 128);
        green_v[i] = 833 * (i - 128);
        green_u[i] = 401 * (i - 128);
        blue_u[i] = 2065 * (i - 128);
    }
}

const YuvTables& ColourTables() {
    static const YuvTables tables;
    return tables;
}

namespace {

inline uint8_t Saturate(int32_t v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

void ConvertToRgb(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                  int32_t c_stride, int32_t width, int32_t height, Picture& picture) {
    ConvertRowsToRgb(y, y_stride, u, v, c_stride, width, 0, height, picture);
}

void ConvertRowsToRgb(const uint8_t* y, int32_t y_stride, const uint8_t* u, const uint8_t* v,
                      int32_t c_stride, int32_t width, int32_t first, int32_t end,
                      Picture& picture) {
    y += static_cast<size_t>(first) * y_stride;
    u += static_cast<size_t>(first / 2) * c_stride;
    v += static_cast<size_t>(first / 2) * c_stride;
    const int32_t height = end - first;
#if QV_X86_SIMD
    switch (simd::ActiveTarget()) {
        case simd::Target::kAvx2:
            return ConvertToRgbAvx2(y, y_stride, u, v, c_stride, width, height, picture.Row(first),
                                    picture.Stride());
        case simd::Target::kSse2:
            return ConvertToRgbSse2(y, y_stride, u, v, c_stride, width, height, picture.Row(first),
                                    picture.Stride());
        case simd::Target::kPlain:
            break;
    }
#endif
    const YuvTables& t = ColourTables();
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* ys = y + static_cast<size_t>(row) * y_stride;
        const uint8_t* us = u + static_cast<size_t>(row / 2) * c_stride;
        const uint8_t* vs = v + static_cast<size_t>(row / 2) * c_stride;
        uint8_t* out = picture.Row(first + row);
        // Shifting instead of dividing by 1024 differs only for negative sums, and those
        // saturate to 0 either way.
        for (int32_t x = 0; x < width; ++x) {
            const int32_t cu = us[x >> 1], cv = vs[x >> 1];
            const int32_t yt = t.luma[ys[x]];
            out[0] = Saturate((yt + t.blue_u[cu]) >> 10);
            out[1] = Saturate((yt - t.green_v[cv] - t.green_u[cu]) >> 10);
            out[2] = Saturate((yt + t.red_v[cv]) >> 10);
            out += 3;
        }
    }
}

}  // namespace qv::mpeg4

#include "media/mpeg4/idct.h"

#include <algorithm>

namespace qv::mpeg4 {

namespace {

// (v + 8192) >> 14, kept to 16 bits.
inline int16_t Round14(int32_t v) {
    return static_cast<int16_t>((v + 8192) >> 14);
}
inline int16_t S16(int32_t v) {
    return static_cast<int16_t>(v);
}

// One 1-D pass over eight values at x[0], x[step], ... x[7 * step].
inline void Pass(int16_t* x, int step) {
    const int32_t x0 = x[0], x1 = x[step], x2 = x[2 * step], x3 = x[3 * step];
    const int32_t x4 = x[4 * step], x5 = x[5 * step], x6 = x[6 * step], x7 = x[7 * step];
    const int16_t e0 = S16(x0 + x4), e1 = S16(x0 - x4);
    const int16_t a = Round14(8866 * x2 - 21406 * x6);
    const int16_t b = Round14(21406 * x2 + 8866 * x6);
    const int16_t s0 = S16(e0 + b), s3 = S16(e0 - b), s1 = S16(e1 + a), s2 = S16(e1 - a);
    const int16_t c = Round14(11585 * x1 - 11585 * x7);
    const int16_t d = Round14(11585 * x1 + 11585 * x7);
    const int16_t p = S16(c + x5), q = S16(c - x5), r = S16(d + x3), t = S16(d - x3);
    const int16_t u = Round14(19265 * p - 12872 * r);
    const int16_t v = Round14(12872 * p + 19265 * r);
    const int16_t w = Round14(22725 * t - 4520 * q);
    const int16_t z = Round14(4520 * t + 22725 * q);
    x[0] = S16(s0 + v);
    x[step] = S16(s1 + z);
    x[2 * step] = S16(s2 + w);
    x[3 * step] = S16(s3 + u);
    x[4 * step] = S16(s3 - u);
    x[5 * step] = S16(s2 - w);
    x[6 * step] = S16(s1 - z);
    x[7 * step] = S16(s0 - v);
}

}  // namespace

void InverseDct(const int32_t* in, int16_t* out) {
    int16_t m[64];
    for (int i = 0; i < 64; ++i)
        m[i] = S16(S16(in[i]) * 8);
    for (int row = 0; row < 8; ++row) {
        int16_t* x = m + 8 * row;
        // A row with only its first coefficient turns into eight copies of it.
        if ((x[1] | x[2] | x[3] | x[4] | x[5] | x[6] | x[7]) == 0) {
            if (x[0] != 0) std::fill(x + 1, x + 8, x[0]);
            continue;
        }
        Pass(x, 1);
    }
    // Rows below the first that are all zero make every column DC-only: then each column is eight
    // copies of its first value, exactly what the pass gives.
    bool rows_below_zero = true;
    for (int i = 8; i < 64 && rows_below_zero; ++i)
        rows_below_zero = m[i] == 0;
    if (rows_below_zero) {
        for (int i = 0; i < 64; ++i)
            out[i] = static_cast<int16_t>(std::clamp((m[i & 7] + 32) >> 6, -256, 255));
        return;
    }
    for (int col = 0; col < 8; ++col)
        Pass(m + col, 8);
    for (int i = 0; i < 64; ++i)
        out[i] = static_cast<int16_t>(std::clamp((m[i] + 32) >> 6, -256, 255));
}

}  // namespace qv::mpeg4

#include "media/picture/bmp_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

qv::Picture Gradient(int w, int h) {
    qv::Picture p;
    p.Allocate(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.Row(y) + x * 3;
            px[0] = static_cast<uint8_t>(x * 7);
            px[1] = static_cast<uint8_t>(y * 11);
            px[2] = static_cast<uint8_t>(x + y);
        }
    return p;
}

TEST(Bmp24, HeaderFieldsAndBottomUpPaddedRows) {
    qv::Picture p = Gradient(5, 3);  // 15 bytes a row, padded to 16
    std::vector<uint8_t> b = qv::EncodeBmp24(p);
    ASSERT_EQ(b.size(), 54u + 16 * 3);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(b[10], 54);
    // The last row of the file is the picture's top row.
    EXPECT_EQ(0, std::memcmp(b.data() + 54 + 32, p.Row(0), 15));
    EXPECT_EQ(0, std::memcmp(b.data() + 54, p.Row(2), 15));
}

TEST(Bmp24, RoundTripsAndRefusesDamagedFiles) {
    qv::Picture p = Gradient(17, 9);
    std::vector<uint8_t> b = qv::EncodeBmp24(p);
    qv::Picture back;
    ASSERT_TRUE(qv::DecodeBmp24(b, back));
    EXPECT_EQ(back.width, 17);
    EXPECT_EQ(back.pixels, p.pixels);

    std::vector<uint8_t> cut(b.begin(), b.end() - 1);
    EXPECT_FALSE(qv::DecodeBmp24(cut, back)) << "a truncated file is refused";
    b[28] = 32;
    EXPECT_FALSE(qv::DecodeBmp24(b, back)) << "only 24-bit files are read";
}

}  // namespace

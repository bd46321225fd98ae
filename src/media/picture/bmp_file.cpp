#include "media/picture/bmp_file.h"

#include <cstdio>
#include <cstring>

#include "platform/file.h"

namespace qv {

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
uint32_t Get16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return Get16(b, at) | (Get16(b, at + 2) << 16);
}

size_t PaddedStride(int width) {
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Picture& picture) {
    const size_t stride = PaddedStride(picture.width);
    const size_t image = stride * static_cast<size_t>(picture.height);
    std::vector<uint8_t> b(kFileHeader + kInfoHeader + image, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, kFileHeader + kInfoHeader);
    Put32(b, 14, kInfoHeader);
    Put32(b, 18, static_cast<uint32_t>(picture.width));
    Put32(b, 22, static_cast<uint32_t>(picture.height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    Put32(b, 34, static_cast<uint32_t>(image));
    Put32(b, 38, 2835);  // 72 dots per inch
    Put32(b, 42, 2835);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* dst = b.data() + kFileHeader + kInfoHeader + stride * (picture.height - 1 - y);
        std::memcpy(dst, picture.Row(y), picture.Stride());
    }
    return b;
}

bool WriteBmp24(const std::string& path, const Picture& picture, std::string& error) {
    std::vector<uint8_t> bytes = EncodeBmp24(picture);
    platform::File f;
    if (!f.Create(path) || !f.Write(bytes.data(), bytes.size())) {
        error = f.LastError();
        return false;
    }
    return true;
}

bool DecodeBmp24(const std::vector<uint8_t>& b, Picture& out) {
    if (b.size() < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M') return false;
    const uint32_t offset = Get32(b, 10);
    const int32_t width = static_cast<int32_t>(Get32(b, 18));
    int32_t height = static_cast<int32_t>(Get32(b, 22));
    if (Get16(b, 28) != 24 || Get32(b, 30) != 0 || width <= 0 || width > 65535) return false;
    const bool top_down = height < 0;
    if (top_down) height = -height;
    if (height <= 0 || height > 65535) return false;
    const size_t stride = PaddedStride(width);
    if (offset > b.size() || (b.size() - offset) / stride < static_cast<size_t>(height))
        return false;
    out.Allocate(width, height);
    for (int y = 0; y < height; ++y) {
        size_t src_row = top_down ? y : height - 1 - y;
        std::memcpy(out.Row(y), b.data() + offset + stride * src_row, out.Stride());
    }
    return true;
}

}  // namespace qv

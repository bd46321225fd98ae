#include "media/jpeg/jpeg_context.h"

#include <new>
#include <stdexcept>

namespace qv {

namespace {

std::array<uint8_t, 2560> MakeSaturate() {
    std::array<uint8_t, 2560> t{};
    for (int i = 0; i < 2560; ++i) {
        int v = i - kSaturateOffset;
        t[i] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    }
    return t;
}

template <typename T>
bool TryAssign(std::vector<T>& v, size_t n) {
    try {
        v.assign(n, T{});
        return true;
    } catch (const std::bad_alloc&) {
        v = {};
        return false;
    } catch (const std::length_error&) {
        v = {};
        return false;
    }
}

}  // namespace

const std::array<uint8_t, 2560> kSaturate = MakeSaturate();

void ColourTables::Build() {
    for (int i = 0; i < 256; ++i) {
        cr_r[i] = (i - 128) * kCrToRed;
        cb_g[i] = (i - 128) * kCbToGreen;
        cr_g[i] = (i - 128) * kCrToGreen;
        cb_b[i] = (i - 128) * kCbToBlue;
    }
}

JpgContext::JpgContext(CameraMetadata& m, DisplayFlags& f, const DecoderSwitches& s,
                       DiagnosticsLog* l)
    : metadata(m), flags(f), switches(s), log(l) {}

int JpgContext::AllocatePlanes(int width, int height) {
    FreePlanes();
    colour_.Build();
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return 3;
    int w16 = (width + 15) & ~15;
    int h16 = (height + 15) & ~15;
    size_t luma = static_cast<size_t>(w16) * static_cast<size_t>(h16);
    int failed = 0;
    failed += TryAssign(luma_, luma) ? 0 : 1;
    failed += TryAssign(cb_, luma / 4) ? 0 : 1;
    failed += TryAssign(cr_, luma / 4) ? 0 : 1;
    // Three int16 rows and three byte rows (1.5 int16 rows) of padded width.
    if (failed == 0 && !TryAssign(convert_scratch_, static_cast<size_t>(w16) * 5)) failed = 1;
    if (failed == 0 && !TryAssign(strip_luma_, static_cast<size_t>(w16) * 16)) failed = 1;
    if (failed == 0 && !TryAssign(strip_chroma_, static_cast<size_t>(w16) * 8)) failed = 1;
    if (failed) {
        FreePlanes();
        return failed;
    }
    width_ = width;
    height_ = height;
    w16_ = w16;
    h16_ = h16;
    return 0;
}

void JpgContext::FreePlanes() {
    luma_ = {};
    cb_ = {};
    cr_ = {};
    convert_scratch_ = {};
    strip_luma_ = {};
    strip_chroma_ = {};
    width_ = height_ = w16_ = h16_ = 0;
}

}  // namespace qv

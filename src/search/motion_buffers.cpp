#include "search/motion_buffers.h"

#include <algorithm>
#include <new>

namespace qv::search {
namespace {

uint8_t Saturate(int64_t v) {
    return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
}

// Largest grid a pass allocates for: a 8192 x 8192 picture.
constexpr int kMaxBlocks = 1024;

// Blocks of 8 along a picture side, in whole macroblocks; 0 for a side beyond the largest grid
// (a header's side can be any number, and rounding it up must not overflow).
int GridBlocks(int side) {
    return side > 0 && side <= 8 * kMaxBlocks ? (side + 15) / 16 * 2 : 0;
}

}  // namespace

void MotionBuffers::Free() {
    for (int s = 0; s < 2; ++s) {
        luma_[s] = {};
        cb_[s] = {};
        cr_[s] = {};
    }
    thumbnail_ = {};
    blocks_across_ = block_rows_ = stride_ = 0;
    header_ = {};
}

bool MotionBuffers::Allocate(int width, int height) {
    const int across = GridBlocks(width);
    const int rows = GridBlocks(height);
    if (Allocated() && across == blocks_across_ && rows == block_rows_) {
        // The same grid as the pass before: zero-filled again, as newly allocated buffers are.
        for (int s = 0; s < 2; ++s) {
            std::fill(luma_[s].begin(), luma_[s].end(), 0);
            std::fill(cb_[s].begin(), cb_[s].end(), 0);
            std::fill(cr_[s].begin(), cr_[s].end(), 0);
        }
        std::fill(thumbnail_.begin(), thumbnail_.end(), 0);
        return true;
    }
    Free();
    if (across == 0 || rows == 0 || across > kMaxBlocks || rows > kMaxBlocks) return false;
    const size_t blocks = static_cast<size_t>(across) * rows;
    const size_t areas = blocks / 4;
    const int stride = (3 * across + 3) / 4 * 4;
    try {
        for (int s = 0; s < 2; ++s) {
            luma_[s].assign(blocks, 0);
            cb_[s].assign(areas, 0);
            cr_[s].assign(areas, 0);
        }
        thumbnail_.assign(static_cast<size_t>(stride) * rows, 0);
    } catch (const std::bad_alloc&) {
        Free();
        return false;
    }
    blocks_across_ = across;
    block_rows_ = rows;
    stride_ = stride;
    header_.width = across;
    header_.height = -rows;
    header_.image_size = static_cast<uint32_t>(stride) * static_cast<uint32_t>(rows);
    return true;
}

BlockPlanes MotionBuffers::Slot(int s) {
    return {luma_[s].data(), cb_[s].data(), cr_[s].data(), blocks_across_, block_rows_};
}

void MotionBuffers::BuildThumbnail(int s, bool grey) {
    const uint8_t* luma = luma_[s].data();
    const int32_t* cb = cb_[s].data();
    const int32_t* cr = cr_[s].data();
    const int half = blocks_across_ / 2;
    for (int y = 0; y < block_rows_; ++y) {
        uint8_t* out = thumbnail_.data() + static_cast<size_t>(y) * stride_;
        int u = 0, v = 0;  // Cb' - 128 and Cr' - 128 of the area, reused for its odd column
        for (int x = 0; x < blocks_across_; ++x, out += 3) {
            const int lum = luma[static_cast<size_t>(y) * blocks_across_ + x];
            if (x % 2 == 0) {
                const size_t area = static_cast<size_t>(y / 2) * half + x / 2;
                u = Saturate(int64_t{cb[area]} + 128) - 128;
                v = Saturate(int64_t{cr[area]} + 128) - 128;
            }
            if (grey) {
                out[0] = out[1] = out[2] = static_cast<uint8_t>(lum);
                continue;
            }
            // The frame decode's conversion; each quotient truncates toward zero.
            out[0] = Saturate(lum + 3629 * u / 2048);
            out[1] = Saturate(lum + (-705 * u - 1463 * v) / 2048);
            out[2] = Saturate(lum + 2871 * v / 2048);
        }
    }
}

}  // namespace qv::search

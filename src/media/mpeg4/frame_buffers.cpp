#include "media/mpeg4/frame_buffers.h"

#include <new>

#include "media/mpeg4/stream_headers.h"

namespace qv::mpeg4 {

void FrameBuffers::Free() {
    for (YuvPicture* p : {&pictures_[0], &pictures_[1], &filter_}) {
        p->y = {};
        p->u = {};
        p->v = {};
    }
    width_ = height_ = luma_stride_ = luma_rows_ = 0;
    current_ = 0;
}

bool FrameBuffers::Allocate(int32_t width, int32_t height) {
    Free();
    int32_t mb_width = (width + 15) / 16;
    int32_t mb_height = (height + 15) / 16;
    if (width <= 0 || height <= 0 || mb_width > kMaxMbWidth || height > 8191) return false;
    int32_t stride = 16 * mb_width;
    int32_t rows = 16 * mb_height;
    size_t luma = static_cast<size_t>(stride) * rows;
    try {
        for (YuvPicture* p : {&pictures_[0], &pictures_[1], &filter_}) {
            p->y.assign(luma, 0);
            p->u.assign(luma / 4, 0);
            p->v.assign(luma / 4, 0);
        }
    } catch (const std::bad_alloc&) {
        Free();
        return false;
    }
    width_ = width;
    height_ = height;
    luma_stride_ = stride;
    luma_rows_ = rows;
    return true;
}

}  // namespace qv::mpeg4

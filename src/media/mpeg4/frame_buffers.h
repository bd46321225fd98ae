// The decoder's pictures: two YUV 4:2:0 pictures that swap the roles of current and reference
// before every coded VOP, and a copy for the deblocking filter. Planes are held at whole
// macroblocks (a multiple of 16 luma samples each way) so that the macroblocks at the right and
// bottom edges of a picture whose size is not a multiple of 16 stay inside them; only the
// width x height part is shown.
#pragma once

#include <cstdint>
#include <vector>

namespace qv::mpeg4 {

struct YuvPicture {
    std::vector<uint8_t> y, u, v;
};

class FrameBuffers {
  public:
    // Frees earlier buffers and allocates zero-filled ones for the size; false (nothing held)
    // when the size is empty or wider than the decoder handles, or memory runs out.
    bool Allocate(int32_t width, int32_t height);
    void Free();
    bool Allocated() const { return width_ > 0; }

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // Row strides and the held height of the planes, in samples.
    int32_t LumaStride() const { return luma_stride_; }
    int32_t ChromaStride() const { return luma_stride_ / 2; }
    int32_t LumaRows() const { return luma_rows_; }
    int32_t ChromaRows() const { return luma_rows_ / 2; }

    YuvPicture& Current() { return pictures_[current_]; }
    YuvPicture& Reference() { return pictures_[current_ ^ 1]; }
    YuvPicture& FilterCopy() { return filter_; }
    // The previous current picture becomes the reference.
    void SwapRoles() { current_ ^= 1; }

  private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t luma_stride_ = 0;
    int32_t luma_rows_ = 0;
    int current_ = 0;
    YuvPicture pictures_[2];
    YuvPicture filter_;
};

}  // namespace qv::mpeg4

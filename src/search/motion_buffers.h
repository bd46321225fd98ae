// The work buffers of a motion search pass: two slots of block planes used in turn, and the
// colour thumbnail of the block picture last loaded, with its bitmap description.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/search_movie.h"

namespace qv::search {

// The description of the thumbnail as a device-independent bitmap: 24 bits, top row first.
struct ThumbnailHeader {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows run top to bottom
    uint16_t planes = 1;
    uint16_t bit_count = 24;
    uint32_t compression = 0;
    uint32_t image_size = 0;
};

class MotionBuffers {
  public:
    // Frees what an earlier pass left and allocates zero-filled planes for a picture of that
    // size (the same grid again is only zero-filled). The grid is counted in whole 16x16 areas, so
    // it holds what the reduced decode writes (for the cameras' sizes, all multiples of 16, it is
    // width / 8 by height / 8). False when an allocation failed or the size is not positive;
    // nothing is allocated then.
    bool Allocate(int width, int height);
    bool Allocated() const { return !thumbnail_.empty(); }

    int BlocksAcross() const { return blocks_across_; }
    int BlockRows() const { return block_rows_; }
    BlockPlanes Slot(int s);
    const uint8_t* Luma(int s) const { return luma_[s].data(); }
    size_t BlockCount() const { return luma_[0].size(); }

    // Builds the thumbnail from slot s: blue, green, red per block (grey when grey is set).
    void BuildThumbnail(int s, bool grey);
    const uint8_t* Thumbnail() const { return thumbnail_.data(); }
    int ThumbnailStride() const { return stride_; }
    const ThumbnailHeader& Header() const { return header_; }

  private:
    void Free();

    int blocks_across_ = 0;
    int block_rows_ = 0;
    int stride_ = 0;
    std::array<std::vector<uint8_t>, 2> luma_;
    std::array<std::vector<int32_t>, 2> cb_;
    std::array<std::vector<int32_t>, 2> cr_;
    std::vector<uint8_t> thumbnail_;
    ThumbnailHeader header_;
};

}  // namespace qv::search

// The camera AVI reader as the search sees it. Frames are decoded straight from a read-only
// mapping of the file through the frame index, so a pass copies no frame bytes; where the file
// cannot be mapped, frames are read into the movie's frame buffer instead.
#pragma once

#include <string>

#include "media/avi/avi_movie.h"
#include "platform/mapped_file.h"
#include "search/search_movie.h"

namespace qv::search {

class AviSearchMovie final : public SearchMovie {
  public:
    explicit AviSearchMovie(AviMovie& movie) : movie_(movie) {}

    // Maps the file the movie has open (path is that movie's path); without a mapping the
    // search reads frames through the movie.
    void Attach(const std::string& path);
    void Detach();

    int Width() const override { return movie_.Width(); }
    int Height() const override { return movie_.Height(); }
    void LoadBlocks(int frame, const BlockPlanes& planes) override;
    int ScanForEvent(int first, int end) override { return movie_.ScanForEvent(first, end); }
    bool ParseForPirOnset(int frame) override;
    bool GreyMode() const override { return movie_.Jpeg().switches.cbForceBW; }

  private:
    // The JPEG bytes of frame, or false when the frame cannot be read.
    bool FrameBytes(int frame, const uint8_t*& data, size_t& size);

    AviMovie& movie_;
    platform::MappedFile mapping_;
    const uint8_t* file_ = nullptr;
    uint64_t file_size_ = 0;
};

}  // namespace qv::search

#include "search/avi_search_movie.h"

#include <algorithm>
#include <cstring>

#include "media/jpeg/jpeg_decoder.h"
#include "media/jpeg/jpeg_parser.h"

namespace qv::search {

void AviSearchMovie::Attach(const std::string& path) {
    Detach();
    if (!mapping_.Open(path) || mapping_.Size() == 0 || mapping_.Size() > UINT32_MAX) {
        Detach();
        return;
    }
    file_size_ = mapping_.Size();
    file_ = mapping_.MapView(0, static_cast<uint32_t>(file_size_));
    if (!file_) Detach();
}

void AviSearchMovie::Detach() {
    mapping_.Close();
    file_ = nullptr;
    file_size_ = 0;
}

bool AviSearchMovie::FrameBytes(int frame, const uint8_t*& data, size_t& size) {
    const std::vector<AviFrameEntry>& index = movie_.FrameIndex();
    if (frame < 0 || frame >= movie_.FrameCount() || static_cast<size_t>(frame) >= index.size())
        return false;
    if (!file_) {
        uint32_t n = 0;
        if (movie_.AviReadFrame(frame, nullptr, &n) != kAviOk) return false;
        data = movie_.FrameBuffer();
        size = n;
        return true;
    }
    // The same checks as a read: a "00db" chunk whose bytes lie inside the file.
    const AviFrameEntry& e = index[static_cast<size_t>(frame)];
    const uint64_t at = uint64_t{e.offset} + 8;
    if (at > file_size_ || std::memcmp(file_ + e.offset, "00db", 4) != 0) return false;
    data = file_ + at;
    size = static_cast<size_t>(std::min<uint64_t>(e.size, file_size_ - at));
    return true;
}

void AviSearchMovie::LoadBlocks(int frame, const BlockPlanes& p) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!FrameBytes(frame, data, size)) return;
    JpgDecodeDc(movie_.Jpeg(), data, size, p.luma, p.cb, p.cr, p.blocks_across, p.block_rows);
}

bool AviSearchMovie::ParseForPirOnset(int frame) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!FrameBytes(frame, data, size)) return false;
    JpgParseHeaders(movie_.Jpeg(), data, std::min(size, kJpgHeaderLimit), false, false, nullptr,
                    nullptr);
    return movie_.Jpeg().metadata.bPIROnset != 0;
}

}  // namespace qv::search

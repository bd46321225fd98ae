#include "export/avi_export_source.h"

namespace qv::exports {

uint32_t AviExportSource::HeaderLength() const {
    // "movi" first: everything before its list (the position behind "movi" less the list's
    // 12-byte head). The camera's layout: everything before the "idx1" chunk.
    if (movie_.IndexBase() >= 12) return movie_.IndexBase() - 12;
    return movie_.IndexPosition() >= 8 ? movie_.IndexPosition() - 8 : 0;
}

bool AviExportSource::ReadHead(uint8_t* out, size_t n) {
    platform::File f;
    return f.OpenRead(path_) && f.ReadAt(0, out, n);
}

uint32_t AviExportSource::IndexedFrameSize(int frame) const {
    const auto& index = movie_.FrameIndex();
    if (frame < 0 || static_cast<size_t>(frame) >= index.size()) return 0;
    return index[static_cast<size_t>(frame)].size;
}

bool AviExportSource::ReadFrameBytes(int frame, const uint8_t*& data, uint32_t& size) {
    if (frame < 0 || frame >= movie_.FrameCount()) return false;
    if (movie_.AviReadFrame(frame, nullptr, &size) != kAviOk) return false;
    data = movie_.FrameBuffer();
    return true;
}

}  // namespace qv::exports

#include "media/mpeg4/window_source.h"

namespace qv::mpeg4 {

bool MappedFileSource::Open(const std::string& path, std::string& error) {
    if (file_.Open(path)) return true;
    error = file_.LastError();
    return false;
}

const uint8_t* MappedFileSource::Map(uint64_t offset, uint32_t length, std::string& error) {
    const uint8_t* p = file_.MapView(offset, length);
    if (!p) error = file_.LastError();
    return p;
}

const uint8_t* MemorySource::Map(uint64_t offset, uint32_t length, std::string& error) {
    if (offset >= size_ || length == 0 || length > size_ - offset) {
        error = "window outside the stream";
        return nullptr;
    }
    return data_ + offset;
}

}  // namespace qv::mpeg4

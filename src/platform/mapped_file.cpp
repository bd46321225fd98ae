#include "platform/mapped_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qv::platform {

MappedFile::~MappedFile() {
    Close();
}

bool MappedFile::Open(const std::string& path) {
    Close();
    if (!file_.OpenRead(path)) {
        error_ = file_.LastError();
        return false;
    }
    int64_t size = file_.Size();
    if (size < 0) {
        error_ = path + ": size unknown";
        file_.Close();
        return false;
    }
    size_ = static_cast<uint64_t>(size);
    return true;
}

bool MappedFile::Close() {
    bool ok = UnmapView();
    file_.Close();
    size_ = 0;
    return ok;
}

uint32_t MappedFile::AllocationGranularity() {
    long page = ::sysconf(_SC_PAGESIZE);
    return page > 0 ? static_cast<uint32_t>(page) : 4096u;
}

bool MappedFile::UnmapView() {
    if (!view_) return true;
    int rc = ::munmap(view_, view_length_);
    view_ = nullptr;
    view_length_ = 0;
    if (rc != 0) {
        error_ = std::string("unmapping a view: ") + std::strerror(errno);
        return false;
    }
    return true;
}

const uint8_t* MappedFile::MapView(uint64_t offset, uint32_t length) {
    UnmapView();
    if (!file_.IsOpen() || length == 0 || offset >= size_ || length > size_ - offset) {
        error_ = "view outside the file";
        return nullptr;
    }
    uint64_t page = AllocationGranularity();
    uint64_t base = offset - offset % page;
    size_t span = static_cast<size_t>(offset - base) + length;
    void* p =
        ::mmap(nullptr, span, PROT_READ, MAP_PRIVATE, file_.Descriptor(), static_cast<off_t>(base));
    if (p == MAP_FAILED) {
        error_ = std::string("mapping a view: ") + std::strerror(errno);
        return nullptr;
    }
    view_ = p;
    view_length_ = span;
    return static_cast<const uint8_t*>(p) + (offset - base);
}

}  // namespace qv::platform

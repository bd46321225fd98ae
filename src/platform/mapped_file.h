// Read-only memory mapping of a file in views: the stream reader maps one window of the file at a
// time so that files larger than the address space can be read.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file.h"

namespace qv::platform {

// An open file with at most one mapped view. Not copyable.
class MappedFile {
  public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Opens an existing file for reading and takes its size. False with LastError set on failure.
    bool Open(const std::string& path);
    // Unmaps the view and closes the file; true when nothing failed.
    bool Close();
    bool IsOpen() const { return file_.IsOpen(); }
    uint64_t Size() const { return size_; }

    // Maps length bytes from offset (any offset; the view is page-aligned internally) after
    // unmapping the previous view. Returns the first byte, or nullptr with LastError set.
    const uint8_t* MapView(uint64_t offset, uint32_t length);
    // Unmaps the current view, if any; false when the system refused.
    bool UnmapView();

    // Offsets of views handed to the system must be multiples of this.
    static uint32_t AllocationGranularity();
    const std::string& LastError() const { return error_; }

  private:
    File file_;
    uint64_t size_ = 0;
    void* view_ = nullptr;
    size_t view_length_ = 0;
    std::string error_;
};

}  // namespace qv::platform

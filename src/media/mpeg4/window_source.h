// Where the stream reader's windows come from: a mapped file, or bytes already in memory (tests
// and the fuzz target use the latter to run without touching the disk).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/mapped_file.h"

namespace qv::mpeg4 {

class WindowSource {
  public:
    virtual ~WindowSource() = default;
    virtual uint64_t Size() const = 0;
    // Makes length bytes from offset readable (dropping the previous window) and returns the first
    // byte, or nullptr with the reason in error.
    virtual const uint8_t* Map(uint64_t offset, uint32_t length, std::string& error) = 0;
    // Releases the window and the source; true when nothing failed.
    virtual bool Close() = 0;
};

class MappedFileSource : public WindowSource {
  public:
    bool Open(const std::string& path, std::string& error);
    uint64_t Size() const override { return file_.Size(); }
    const uint8_t* Map(uint64_t offset, uint32_t length, std::string& error) override;
    bool Close() override { return file_.Close(); }

  private:
    platform::MappedFile file_;
};

// Serves windows out of a byte buffer the caller keeps alive.
class MemorySource : public WindowSource {
  public:
    MemorySource(const uint8_t* data, uint64_t size) : data_(data), size_(size) {}
    uint64_t Size() const override { return size_; }
    const uint8_t* Map(uint64_t offset, uint32_t length, std::string& error) override;
    bool Close() override { return true; }

  private:
    const uint8_t* data_;
    uint64_t size_;
};

}  // namespace qv::mpeg4

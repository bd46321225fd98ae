// A file an export writes: its bytes go into a temporary file beside the target, which replaces
// the target only when everything was written and flushed, so a failed export never leaves a
// file that looks complete. The recording being read can never be the target.
#pragma once

#include <string>

#include "platform/file.h"

namespace qv::platform {

class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();  // an unfinished temporary file is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens target for writing. Refused when target is the file at source (through any path or
    // link) or a folder. A target that exists and is not a regular file (a device) is written in
    // place, never renamed over. False with Error() set on failure.
    bool Open(const std::string& target, const std::string& source);
    // Writes all n bytes; false with Error() set (and every later write refused) on failure.
    bool Write(const void* data, size_t n);
    // Flushes and closes the file and puts it in the target's place. False with Error() set,
    // and nothing left behind but what was there before, on failure.
    bool Commit();
    const std::string& Error() const { return error_; }
    // The target was refused as the recording being read.
    bool RefusedAsSource() const { return onto_source_; }

  private:
    bool Fail(const std::string& text);
    void Abandon();

    File file_;
    std::string target_;
    std::string temp_;  // empty when writing in place
    std::string error_;
    bool failed_ = false;
    bool onto_source_ = false;
    int64_t written_ = 0;       // bytes written so far
    int64_t written_back_ = 0;  // bytes handed to the device's write-back
};

}  // namespace qv::platform

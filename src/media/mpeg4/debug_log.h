// Trace lines of the stream parsers (start codes met, VOP time increments). Off by default: a
// recording of thousands of pictures would otherwise flood the terminal.
#pragma once

#include <cstdarg>
#include <cstdio>

namespace qv::mpeg4 {

class DebugLog {
  public:
    // Where trace lines go; nullptr (the default) turns them off.
    void SetSink(std::FILE* sink) { sink_ = sink; }
    bool Enabled() const { return sink_ != nullptr; }

    __attribute__((format(printf, 2, 3))) void Print(const char* format, ...) const {
        if (!sink_) return;
        va_list args;
        va_start(args, format);
        std::vfprintf(sink_, format, args);
        va_end(args);
    }

  private:
    std::FILE* sink_ = nullptr;
};

}  // namespace qv::mpeg4

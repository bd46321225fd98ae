#include "export/export_segment.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "platform/output_file.h"

namespace qv::exports {
namespace {

// Places of the header fields an exported movie changes.
constexpr size_t kRiffSizeAt = 4, kTotalFramesAt = 48, kScaleAt = 128, kRateAt = 132,
                 kLengthAt = 140;

void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// The frames an export writes: start, start + step, ... up to end.
struct Range {
    int start = 0, end = 0, step = 1, count = 0;
    int Frame(int i) const { return start + i * step; }
};

struct Buffers {
    std::vector<uint8_t> header;  // the source's header, patched
    std::vector<uint8_t> index;   // the new frame index, 16 bytes per frame
};

std::string FrameUnreadable(const ExportSource& src, int frame) {
    return "cannot read frame " + std::to_string(frame + 1) + " of " + src.SourcePath();
}

// The new index, in front of the "movi" list, with absolute chunk positions; false when the
// movie would not fit the 32-bit sizes of an AVI file. list_size receives the "movi" list size.
bool BuildIndex(const ExportSource& src, const Range& r, uint32_t header_length,
                std::vector<uint8_t>& index, uint32_t& list_size) {
    uint64_t p = uint64_t{header_length} + 8 + index.size() + 12;  // first chunk header
    uint64_t s = 4;
    for (int i = 0; i < r.count; ++i) {
        const uint32_t z = src.IndexedFrameSize(r.Frame(i));
        uint8_t* e = index.data() + static_cast<size_t>(i) * 16;
        std::memcpy(e, "00db", 4);
        PutLe32(e + 4, 16);
        PutLe32(e + 8, static_cast<uint32_t>(p));
        PutLe32(e + 12, z);
        p += uint64_t{z} + 8;
        s += uint64_t{z} + 8;
        if (p > 0xFFFFFFFFull) return false;
    }
    list_size = static_cast<uint32_t>(s);
    return true;
}

int WriteAvi(ExportSource& src, const Range& r, const std::string& path, Buffers& b,
             ExportWindow& w) {
    const uint32_t h = static_cast<uint32_t>(b.header.size());
    uint32_t list_size = 0;
    if (!BuildIndex(src, r, h, b.index, list_size)) {
        w.ReportFailure("the segment is too large for one AVI file (4 GB): " + path);
        return kExportWriteFailed;
    }
    if (!src.ReadHead(b.header.data(), h)) {
        w.ReportFailure("cannot read the header of " + src.SourcePath());
        return kExportWriteFailed;
    }
    const uint32_t n = static_cast<uint32_t>(r.count);
    const uint32_t length = h + 8 + 16 * n + 8 + list_size;
    uint8_t* head = b.header.data();
    PutLe32(head + kRiffSizeAt, length - 8);
    PutLe32(head + kTotalFramesAt, n);
    PutLe32(head + kScaleAt, static_cast<uint32_t>(src.Scale()) * static_cast<uint32_t>(r.step));
    PutLe32(head + kRateAt, static_cast<uint32_t>(src.Rate()) * static_cast<uint32_t>(r.step));
    PutLe32(head + kLengthAt, n);

    platform::OutputFile out;
    if (!out.Open(path, src.SourcePath())) {
        w.ReportFailure(out.Error());
        return out.RefusedAsSource() ? kExportOntoSource : kExportWriteFailed;
    }
    uint8_t tag[12];
    std::memcpy(tag, "idx1", 4);
    PutLe32(tag + 4, 16 * n);
    out.Write(head, h);
    out.Write(tag, 8);
    w.ProgressStart(r.start, r.end, r.step);
    w.ProgressText("Writing index");
    out.Write(b.index.data(), b.index.size());
    std::memcpy(tag, "LIST", 4);
    PutLe32(tag + 4, list_size);
    std::memcpy(tag + 8, "movi", 4);
    out.Write(tag, 12);
    for (int i = 0; i < r.count && out.Error().empty(); ++i) {
        const int f = r.Frame(i);
        const uint8_t* data = nullptr;
        uint32_t z = 0;
        // A frame that cannot be read, or reads other than its index says, fails the export
        // instead of leaving other bytes under its name.
        if (!src.ReadFrameBytes(f, data, z) || z != src.IndexedFrameSize(f)) {
            w.ReportFailure(FrameUnreadable(src, f));
            return kExportWriteFailed;
        }
        std::memcpy(tag, "00db", 4);
        PutLe32(tag + 4, z);
        out.Write(tag, 8);
        out.Write(data, z);
        w.ProgressStep();
    }
    if (!out.Commit()) {
        w.ReportFailure(out.Error());
        return kExportWriteFailed;
    }
    return kExportOk;
}

int WriteJpegSequence(ExportSource& src, const Range& r, const std::string& pattern,
                      ExportWindow& w) {
    w.ProgressStart(r.start, r.end, r.step);
    int failed = 0;
    std::string first_failure;
    for (int i = 0; i < r.count; ++i) {
        const int f = r.Frame(i);
        const uint8_t* data = nullptr;
        uint32_t z = 0;
        platform::OutputFile out;
        std::string failure;
        if (!out.Open(SequenceFileName(pattern, f), src.SourcePath()))
            failure = out.Error();
        else if (!src.ReadFrameBytes(f, data, z))
            failure = FrameUnreadable(src, f);
        else if (!out.Write(data, z) || !out.Commit())
            failure = out.Error();
        if (failure.empty()) {
            w.ProgressStep();
            continue;
        }
        if (failed++ == 0) first_failure = failure;
    }
    if (failed == 0) return kExportOk;
    w.ReportFailure(std::to_string(failed) + " of " + std::to_string(r.count) +
                    " pictures could not be written; the first: " + first_failure);
    return kExportWriteFailed;
}

}  // namespace

std::string SequenceFileName(const std::string& pattern, int frame) {
    const size_t slash = pattern.find_last_of('/');
    const size_t dot = pattern.find_last_of('.');
    const bool has_extension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    char number[16];
    std::snprintf(number, sizeof number, "%5.5d", frame + 1);
    return pattern.substr(0, has_extension ? dot : pattern.size()) + number + ".jpg";
}

int ExportSegment(ExportSource& source, int first, int last, int step, const std::string& path,
                  int mode, ExportWindow& window) {
    Range r;
    r.start = std::max(first, 0);
    r.end = std::min(last, source.FrameCount() - 1);
    if (r.end < r.start) {
        window.ShowNote("End frame cannot come before start frame", "Note");
        return kExportRefused;
    }
    r.step = std::max(step, 1);
    r.count = (r.end - r.start) / r.step + 1;
    const uint32_t h = source.HeaderLength();
    Buffers b;
    try {
        b.header.assign(h, 0);
    } catch (const std::bad_alloc&) {
        return kExportRefused;
    }
    try {
        b.index.assign(static_cast<size_t>(r.count) * 16, 0);
    } catch (const std::bad_alloc&) {
        return kExportNoMemory;
    }
    int result = kExportOk;
    if (mode == kExportJpeg) {
        result = WriteJpegSequence(source, r, path, window);
    } else if (h < kLengthAt + 4) {
        // Without the camera's header fields the copy would not be a camera movie.
        window.ReportFailure("cannot export " + source.SourcePath() +
                             ": its header does not have a camera movie's fields");
        result = kExportWriteFailed;
    } else {
        result = WriteAvi(source, r, path, b, window);
    }
    if (result == kExportOk) window.ProgressDone();
    return result;
}

}  // namespace qv::exports

#include "cli/check_recording.h"

#include <chrono>
#include <cstring>

#include "cli/avi_session.h"
#include "media/avi/avi_movie.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/recording_kind.h"

namespace qv::cli {

namespace {

// Camera AVI: every frame read through the index and decoded into one picture, in order, so
// that the decoder sees the frames as playback does.
void CheckAvi(const std::string& path, const CheckOptions& o, CheckResult& out) {
    AviSession s;
    s.switches.cbCheckSpuriousEOI = o.end_of_image;
    AviMovie& movie = s.movie;
    const int open = movie.AviOpen(path);
    if (open != kAviOk && open != kAviPictureSizeUnshown) {
        out.error = OpenFailureText(open, path, movie);
        return;
    }
    Picture picture;
    if (movie.Jpeg().HasPlanes()) picture.Allocate(movie.Width(), movie.Height());
    out.frames = movie.FrameCount();
    for (int f = 0; f < out.frames; ++f) {
        int r = movie.AviReadFrame(f);
        if (r == kAviOk) {
            movie.AviSetFrame(f);
            r = movie.AviDecodeCurrent(picture);
        }
        if (r != 0) out.bad.push_back({f + 1, r});
    }
}

// Byte position of the first VOP start code at or after from, or -1 when the file has none.
int64_t FindVop(mpeg4::StreamReader& r, uint64_t from) {
    if (!r.SeekTo(from)) return -1;
    uint8_t b[4];
    while (r.PeekBytes(b, 4)) {
        if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0xB6)
            return static_cast<int64_t>(r.Position());
        if (!r.AdvanceByte()) break;
    }
    return -1;
}

// .m4v/.tkm: every picture decoded and converted through the deblocking method. A picture that
// fails is counted and reading goes on at the next picture's start code; the stream ends where
// no picture start code follows.
void CheckStream(const std::string& path, const CheckOptions& o, CheckResult& out) {
    mpeg4::StreamDecoder d;
    d.deblock_method = o.deblock;
    if (d.OpenStreamFile(path) <= 0) {
        out.error = "cannot open " + path + ": " + d.LastError();
        return;
    }
    mpeg4::StreamReader& r = d.Reader();
    Picture picture;  // sized by the first picture decoded into it
    while (true) {
        const uint64_t at = r.Position();
        if (d.DecodeNextFrame(&picture, nullptr, false, nullptr, nullptr, nullptr) >= 0) {
            ++out.frames;
            continue;
        }
        const int64_t vop = FindVop(r, at);
        if (vop < 0) break;
        out.bad.push_back({++out.frames, -1});
        const int64_t next = FindVop(r, static_cast<uint64_t>(vop) + 4);
        if (next < 0 || !r.SeekTo(static_cast<uint64_t>(next))) break;
        r.SetByteAligned();
    }
}

}  // namespace

CheckResult CheckRecording(const std::string& path, const CheckOptions& options) {
    CheckResult out;
    out.file = path;
    const auto start = std::chrono::steady_clock::now();
    switch (RecordingKindOf(path)) {
        case RecordingKind::Avi:
            CheckAvi(path, options, out);
            break;
        case RecordingKind::M4v:
        case RecordingKind::Tkm:
            CheckStream(path, options, out);
            break;
        case RecordingKind::None:
            out.error = "unknown kind of recording: " + path;
            break;
    }
    out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return out;
}

}  // namespace qv::cli

// qvplay-cli decode FILE.avi --frame N -o OUT.bmp [--grey]: decodes one frame (one-based) into a
// 24-bit bitmap.
#include <cstdio>
#include <string>

#include "cli/avi_session.h"
#include "media/jpeg/jpeg_decoder.h"
#include "media/picture/bmp_file.h"

namespace qv::cli {

int DecodeAvi(const Args& args) {
    bool bad = false;
    const std::string* frame_text = OptionValue(args, "--frame", bad);
    const std::string* out = OptionValue(args, "-o", bad);
    if (bad || !frame_text || !out) return Fail("decode needs --frame N and -o OUT.bmp");
    int64_t frame = 0;
    if (!ParseInt(*frame_text, frame) || frame < 1)
        return Fail("--frame needs a frame number from 1: " + *frame_text);
    // Deblocking belongs to MPEG-4 pictures; a value is still checked, not taken blindly.
    const std::string* deblock = OptionValue(args, "--deblock", bad);
    if (bad || (deblock && *deblock != "0" && *deblock != "1" && *deblock != "2"))
        return Fail("--deblock takes 0, 1 or 2");

    AviSession s;
    s.switches.cbForceBW = HasFlag(args, "--grey");
    if (!OpenAvi(args[0], s)) return 1;
    if (frame > s.movie.FrameCount())
        return Fail("frame " + std::to_string(frame) + " is past the last frame (" +
                    std::to_string(s.movie.FrameCount()) + ")");
    int n = static_cast<int>(frame - 1);
    if (s.movie.AviReadFrame(n) != 0)
        return Fail("frame " + std::to_string(frame) + " cannot be read (bad chunk)");
    s.movie.AviSetFrame(n);
    Picture picture;
    picture.Allocate(s.movie.Width(), s.movie.Height());
    int r = s.movie.AviDecodeCurrent(picture);
    if (r == kJpgNoScan) return Fail("frame " + std::to_string(frame) + " holds no picture scan");
    if (r == kJpgSizeMismatch) return Fail(FrameSizeMismatchText(static_cast<int>(frame), s.movie));
    std::string error;
    if (!WriteBmp24(*out, picture, error))
        return Fail("cannot write " + *out + ": " + platform::ErrorReason(error));
    if (r > 0)
        std::fprintf(stderr, "qvplay-cli: frame %lld stopped early after %d scan bytes\n",
                     static_cast<long long>(frame), r);
    return 0;
}

}  // namespace qv::cli

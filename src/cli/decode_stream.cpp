// qvplay-cli decode for .m4v and .tkm: decodes the stream up to picture N (one-based, in stream
// order) and writes it as a 24-bit bitmap, shown through the selected deblocking method.
#include <string>

#include "cli/avi_session.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/picture/bmp_file.h"

namespace qv::cli {

int DecodeStream(const Args& args) {
    std::string path, out;
    int64_t frame = 0;
    int deblock = mpeg4::kDeblockEdges;
    bool grey = false, trace = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool has_value = i + 1 < args.size();
        if (a == "--frame" && has_value) {
            const std::string& v = args[++i];
            if (!ParseInt(v, frame) || frame < 1)
                return Fail("--frame needs a picture number from 1: " + v);
        } else if (a == "-o" && has_value) {
            out = args[++i];
        } else if (a == "--deblock" && has_value) {
            const std::string& v = args[++i];
            if (v != "0" && v != "1" && v != "2") return Fail("--deblock takes 0, 1 or 2");
            deblock = v[0] - '0';
        } else if (a == "--grey") {
            grey = true;
        } else if (a == "--trace") {
            trace = true;
        } else if (!a.empty() && a[0] != '-' && path.empty()) {
            path = a;
        } else {
            return Fail("unexpected argument '" + a + "'");
        }
    }
    if (frame < 1) return Fail("--frame N (one-based) is required");
    if (out.empty()) return Fail("-o OUT.bmp is required");
    mpeg4::StreamDecoder decoder;
    if (trace) decoder.log.SetSink(stderr);
    decoder.deblock_method = deblock;
    decoder.SetForceGrey(grey);
    if (path.empty()) return Fail("no recording named");
    if (decoder.OpenStreamFile(path) <= 0)
        return Fail("cannot open " + path + ": " + decoder.LastError());
    Picture picture;
    picture.Allocate(decoder.Width(), decoder.Height());
    for (int64_t n = 1; n <= frame; ++n) {
        Picture* target = n == frame ? &picture : nullptr;
        if (decoder.DecodeNextFrame(target, nullptr, false, nullptr, nullptr, nullptr) < 0)
            return Fail(path + " has " + std::to_string(n - 1) + " pictures; there is no picture " +
                        std::to_string(frame));
    }
    std::string error;
    if (!WriteBmp24(out, picture, error))
        return Fail("cannot write " + out + ": " + platform::ErrorReason(error));
    return 0;
}

}  // namespace qv::cli

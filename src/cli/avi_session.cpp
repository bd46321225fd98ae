#include "cli/avi_session.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace qv::cli {

std::string OpenFailureText(int result, const std::string& path, const AviMovie& movie) {
    if (result == kAviPictureSizeUnshown)
        return "the picture size " + std::to_string(movie.Width()) + "x" +
               std::to_string(movie.Height()) + " of " + path +
               " is beyond what the player shows (1 to " + std::to_string(kMaxPictureSide) +
               " a side)";
    if (movie.FrameCount() == -1 && !movie.IsOpen())
        return "cannot open " + path + ": " + OpenReason(path);
    if (result < -1)
        return "not enough memory for the buffers of " + path + " (" + std::to_string(-result) +
               " allocations failed)";
    return "not a camera AVI recording (no frame index or no frames): " + path;
}

std::string OpenAviFailure(const std::string& path, AviSession& s) {
    const int r = s.movie.AviOpen(path);
    return r == 0 ? std::string() : OpenFailureText(r, path, s.movie);
}

bool OpenAvi(const std::string& path, AviSession& s, bool need_picture) {
    int r = s.movie.AviOpen(path);
    if (r == 0) return true;
    if (r == kAviPictureSizeUnshown && !need_picture) {
        std::fprintf(stderr, "qvplay-cli: %s; its frames are read without pictures\n",
                     OpenFailureText(r, path, s.movie).c_str());
        return true;
    }
    Fail(OpenFailureText(r, path, s.movie));
    return false;
}

std::string FrameSizeMismatchText(int frame, const AviMovie& movie) {
    const JpgTables& t = movie.Jpeg().tables;
    return "frame " + std::to_string(frame) + " is " + std::to_string(t.frame_width) + "x" +
           std::to_string(t.frame_height) + " by its own header, the movie's header says " +
           std::to_string(movie.Width()) + "x" + std::to_string(movie.Height());
}

const std::string* OptionValue(const Args& args, const char* name, bool& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name) continue;
        if (i + 1 >= args.size()) {
            error = true;
            return nullptr;
        }
        return &args[i + 1];
    }
    return nullptr;
}

bool HasFlag(const Args& args, const char* name) {
    for (const auto& a : args)
        if (a == name) return true;
    return false;
}

bool ParseInt(const std::string& text, int64_t& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE) return false;
    out = v;
    return true;
}

std::string OpenReason(const std::string& path) {
    platform::File f;
    if (f.OpenRead(path)) return "not readable";
    return platform::ErrorReason(f.LastError());
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

}  // namespace qv::cli

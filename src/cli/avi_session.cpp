#include "cli/avi_session.h"

#include <cstdio>
#include <cstdlib>

namespace qv::cli {

std::string OpenAviFailure(const std::string& path, AviSession& s) {
    int r = s.movie.AviOpen(path);
    if (r == 0) return {};
    if (s.movie.FrameCount() == -1 && !s.movie.IsOpen()) return "cannot open " + path;
    if (r < -1)
        return "not enough memory for the buffers of " + path + " (" + std::to_string(-r) +
               " allocations failed)";
    return "not a camera AVI recording (no frame index or no frames): " + path;
}

bool OpenAvi(const std::string& path, AviSession& s) {
    const std::string failure = OpenAviFailure(path, s);
    if (!failure.empty()) Fail(failure);
    return failure.empty();
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
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0') return false;
    out = v;
    return true;
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

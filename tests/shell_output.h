// The standard output of a shell command, for tests that ask ffprobe or ffmpeg.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace qv::testing {

inline std::string ShellOutput(const std::string& cmd) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> p(::popen(cmd.c_str(), "r"), ::pclose);
    char buf[256];
    while (p && std::fgets(buf, sizeof buf, p.get()))
        out += buf;
    return out;
}

}  // namespace qv::testing

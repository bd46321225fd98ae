// The progress bar the long commands draw on stderr when it is a terminal: one line, redrawn in
// place, cleared at the end.
#pragma once

#include <cstdio>
#include <string>

namespace qv::cli {

// "label [#####     ] detail", done of total filling the bar.
inline void DrawProgressBar(const char* label, long long done, long long total,
                            const std::string& detail) {
    const int width = 30;
    const int filled = total > 0 ? static_cast<int>(done * width / total) : width;
    std::fprintf(stderr, "\r%s [%.*s%*s] %s", label, filled, "##############################",
                 width - filled, "", detail.c_str());
    std::fflush(stderr);
}

inline void ClearProgressBar() {
    std::fprintf(stderr, "\r\033[K");
}

}  // namespace qv::cli

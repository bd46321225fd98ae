// Every motion find across many recordings: each file is searched from its first frame, each pass
// going on from its find, on several cores; the finds are printed in playlist order.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

struct AllFindsRequest {
    std::vector<std::string> files;  // in playlist order
    int threshold = 0;
    int jobs = 0;  // 0: every core
    bool ignore_brightness = false;
};

// Prints the finds (JSON or one line each) and the files that could not be searched (stderr).
// Returns the exit code: non-zero only when no file could be searched.
int PrintAllFinds(const AllFindsRequest& request, bool json);

}  // namespace qv::cli

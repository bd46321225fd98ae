// qvplay-cli check: decodes every frame of one recording as the player would and keeps the frames
// that fail. One call per recording; calls for different recordings share nothing, so they may
// run on several threads at once.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

struct CheckOptions {
    bool end_of_image = false;  // camera AVI: the end-of-image check after every frame
    int deblock = 2;            // .m4v/.tkm: deblocking method before the 24-bit picture
};

struct BadFrame {
    int frame = 0;   // one-based
    int result = 0;  // the reader's or decoder's result
};

struct CheckResult {
    std::string file;
    int frames = 0;
    std::vector<BadFrame> bad;
    double seconds = 0;
    std::string error;  // set when the recording could not be opened at all
};

CheckResult CheckRecording(const std::string& path, const CheckOptions& options);

}  // namespace qv::cli

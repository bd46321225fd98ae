// qvplay-cli search FILE... --threshold T [--backward] [--from N] [--json]
//   The motion search of the window's Search Forward and Search Backward buttons over the files
//   as a playlist: it ends on the first frame that changed, or where the walk ended.
// qvplay-cli search FILE... --threshold T --all [--json] [--jobs N]
//   Every frame where motion is found, each pass going on from the find, files searched in
//   parallel and printed in playlist order.
#include <cstdio>
#include <string>

#include "cli/all_finds.h"
#include "cli/search_session.h"
#include "search/search_logic.h"

namespace qv::cli {
namespace {

bool Refuse(const std::string& text) {
    Fail(text);
    return false;
}

const std::vector<std::string> kValued = {"--threshold", "--from", "--jobs"};

struct SearchArgs {
    std::vector<std::string> files;
    int threshold = 0;
    int from = 0;  // one-based; 0: the first or last frame
    int jobs = 0;  // 0: every core
    bool backward = false, json = false, all = false, ignore_brightness = false;
};

// Reads the arguments; prints the reason and returns false when they do not make a search.
bool ReadArgs(const Args& args, SearchArgs& a) {
    bool bad = false;
    const std::string* t = OptionValue(args, "--threshold", bad);
    const std::string* from = OptionValue(args, "--from", bad);
    const std::string* jobs = OptionValue(args, "--jobs", bad);
    int64_t v = 0;
    if (bad || !t) return Refuse("search needs --threshold T (see qvplay-cli --help)");
    // The window refuses a threshold of 0 with a beep; here it is said.
    if (!ParseInt(*t, v) || v == 0 || v < INT32_MIN || v > INT32_MAX)
        return Refuse("--threshold takes a whole number other than 0: " + *t);
    a.threshold = static_cast<int>(v);
    if (from && (!ParseInt(*from, v) || v < 1 || v > INT32_MAX))
        return Refuse("--from takes a frame number from 1: " + *from);
    if (from) a.from = static_cast<int>(v);
    if (jobs && (!ParseInt(*jobs, v) || v < 1 || v > 256))
        return Refuse("--jobs takes a count from 1 to 256: " + *jobs);
    if (jobs) a.jobs = static_cast<int>(v);
    a.backward = HasFlag(args, "--backward");
    a.json = HasFlag(args, "--json");
    a.all = HasFlag(args, "--all");
    a.ignore_brightness = HasFlag(args, "--ignore-brightness");
    if (a.all && (a.backward || from))
        return Refuse(
            "--all searches every file from its first frame; it takes no --backward or --from");
    a.files = PlaylistOrder(FileArguments(args, kValued));
    if (a.files.empty()) return Refuse("no recording named");
    return true;
}

int SearchOnce(const SearchArgs& a) {
    FileSearchHost host(a.files, std::to_string(a.threshold));
    const int direction = a.backward ? -1 : 1;
    if (!host.OpenFirst(direction)) return Fail("no recording could be searched");
    AviMovie& movie = host.Avi();
    if (a.from > movie.FrameCount())
        return Fail(host.CurrentFile() + " has " + std::to_string(movie.FrameCount()) +
                    " frames; --from " + std::to_string(a.from) + " is beyond them");
    if (a.from > 0)
        movie.AviSetFrame(a.from - 1);
    else if (a.backward)
        movie.AviSeekEnd();
    int threshold = a.threshold;
    search::SearchLogic logic(host, threshold);
    logic.Motion().ignore_brightness = a.ignore_brightness;
    if (a.backward)
        logic.sbSearchBackwardClick();
    else
        logic.sbSearchForwardClick();
    const bool found = logic.nSearchMessage == 3;
    const FrameStamp s = host.StampShown();
    if (a.json) {
        std::string stamp = FrameStampJson(s);
        std::printf("{\"found\": %s, %s\n", found ? "true" : "false", stamp.c_str() + 1);
    } else {
        std::printf("%s %s frame %d  %s %s\n", found ? "found" : "none ", s.file.c_str(), s.frame,
                    s.date.c_str(), s.time.c_str());
    }
    return 0;
}

}  // namespace

int SearchCommand(const Args& args) {
    SearchArgs a;
    if (!ReadArgs(args, a)) return 2;
    if (!a.all) return SearchOnce(a);
    AllFindsRequest r{a.files, a.threshold, a.jobs, a.ignore_brightness};
    return PrintAllFinds(r, a.json);
}

}  // namespace qv::cli

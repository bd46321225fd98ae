// qvplay-cli events FILE... [--pir] [--json]: the frames the camera marked as events, or with
// --pir the frames where a WDX310 camera's passive-infrared trigger came on, over the files in
// playlist order.
#include <cstdio>
#include <string>

#include "cli/search_session.h"

namespace qv::cli {
namespace {

// Event frames, or PIR onsets walking forward from the first frame.
std::vector<int> FileEvents(SearchSession& s, bool pir) {
    std::vector<int> events;
    const int count = s.avi.movie.FrameCount();
    if (!pir) {
        for (int f = s.movie.ScanForEvent(0, count); f >= 0; f = s.movie.ScanForEvent(f + 1, count))
            events.push_back(f);
        return events;
    }
    for (int f = 0; f < count; ++f)
        if (s.movie.ParseForPirOnset(f)) events.push_back(f);
    return events;
}

}  // namespace

int EventsCommand(const Args& args) {
    const bool pir = HasFlag(args, "--pir"), json = HasFlag(args, "--json");
    const std::vector<std::string> files = PlaylistOrder(FileArguments(args, {}));
    if (files.empty()) return Fail("no recording named");
    bool searched = false, first = true;
    if (json) std::printf("{\"events\": [");
    for (const std::string& path : files) {
        SearchSession s;
        if (!s.Open(path)) continue;
        searched = true;
        for (int f : FileEvents(s, pir)) {
            const FrameStamp stamp = s.Stamp(path, f);
            if (json)
                std::printf("%s\n  %s", first ? "" : ",", FrameStampJson(stamp).c_str());
            else
                std::printf("%s frame %d  %s %s\n", path.c_str(), stamp.frame, stamp.date.c_str(),
                            stamp.time.c_str());
            first = false;
        }
    }
    if (json) std::printf("%s]}\n", first ? "" : "\n");
    return searched ? 0 : Fail("no recording could be searched");
}

}  // namespace qv::cli

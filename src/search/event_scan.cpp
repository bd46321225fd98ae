#include "search/event_scan.h"

namespace qv::search {

int ScanForPirOnset(SearchMovie& movie, PassView& view, bool& stop, int first, int end) {
    if (first == end) return -1;
    const int d = first < end ? 1 : -1;
    stop = false;
    for (int f = first; f != end; f += d) {
        // The parse carries the trigger state from the frame parsed before, so walking backward
        // finds where the trigger comes on in that direction.
        const bool onset = movie.ParseForPirOnset(f);
        view.ShowMovieInfo();
        view.SetProgress(f);
        view.ProcessPendingEvents();
        if (onset || stop) return f;
    }
    return -1;
}

}  // namespace qv::search

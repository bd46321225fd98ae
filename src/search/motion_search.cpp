#include "search/motion_search.h"

#include "search/block_compare.h"

namespace qv::search {

void MotionSearch::LoadFrame(int frame, int slot) {
    movie_.LoadBlocks(frame, buffers_.Slot(slot));
    // Decode, paint, progress, then the pending events (where Stop Search is clicked).
    if (view_.ShowsThumbnail()) {
        buffers_.BuildThumbnail(slot, movie_.GreyMode());
        view_.ShowThumbnail(buffers_);
    }
    view_.SetProgress(frame);
    view_.ProcessPendingEvents();
}

bool MotionSearch::Differ(int current, int previous, int threshold) const {
    const uint8_t* c = buffers_.Luma(current);
    const uint8_t* p = buffers_.Luma(previous);
    const size_t n = buffers_.BlockCount();
    return ignore_brightness ? BlocksDifferBeyondBrightness(c, p, n, threshold)
                             : BlocksDiffer(c, p, n, threshold);
}

int MotionSearch::MotionSearchPass(int first, int end, int threshold) {
    if (first == end) return -1;
    if (!buffers_.Allocate(movie_.Width(), movie_.Height())) return -1;
    const int d = first < end ? 1 : -1;
    SearchStopRequested = false;
    int s = 0;
    LoadFrame(first, s);
    int f = first + d;
    // Each frame is compared with its neighbour in the walking direction, never with a fixed
    // reference; motion found in the same step as a stop request wins.
    for (; f != end; f += d) {
        const int p = s;
        s = 1 - s;
        LoadFrame(f, s);
        if (Differ(s, p, threshold)) break;
        if (SearchStopRequested) break;
    }
    return f == end ? 0 : f;
}

}  // namespace qv::search

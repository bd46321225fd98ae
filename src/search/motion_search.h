// Motion detection between neighbouring frames of the open camera movie: the walk from a start
// frame towards an end frame that stops at the first frame whose block picture differs from the
// one before it in the walking direction.
#pragma once

#include "search/motion_buffers.h"
#include "search/pass_view.h"
#include "search/search_movie.h"

namespace qv::search {

class MotionSearch {
  public:
    MotionSearch(SearchMovie& movie, PassView& view) : movie_(movie), view_(view) {}

    // Walks from first towards end (either direction; end itself is never decoded). Returns the
    // frame where motion was found or where the stop flag ended the walk (> 0), 0 when the walk
    // reached end, -1 when first equals end or the buffers cannot be allocated.
    int MotionSearchPass(int first, int end, int threshold);
    // Asks a running pass to end after its next comparison.
    void StopMotionPass() { SearchStopRequested = true; }

    // Off unless the user asks: a change of the whole picture's brightness is not motion.
    bool ignore_brightness = false;
    // Set by StopMotionPass; cleared when a pass or an event scan starts.
    bool SearchStopRequested = false;
    const MotionBuffers& Buffers() const { return buffers_; }

  private:
    void LoadFrame(int frame, int slot);
    bool Differ(int current, int previous, int threshold) const;

    SearchMovie& movie_;
    PassView& view_;
    MotionBuffers buffers_;
};

}  // namespace qv::search

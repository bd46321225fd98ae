// The scan for the next frame where a WDX310 camera's passive-infrared trigger came on.
#pragma once

#include "search/pass_view.h"
#include "search/search_movie.h"

namespace qv::search {

// The first PIR onset from first (included) towards end (excluded), or the frame reached when
// stop was set meanwhile, or -1. Clears stop when it starts; shows each frame's information and
// lets pending events run after every frame.
int ScanForPirOnset(SearchMovie& movie, PassView& view, bool& stop, int first, int end);

}  // namespace qv::search

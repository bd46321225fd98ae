// The diagnostics window's breakpoint: playback pauses on the first frame whose retry count, or
// whose change of luma from the frame before, exceeds a limit.
#pragma once

#include <string_view>

#include "media/jpeg/camera_metadata.h"

namespace qv::diag {

enum BreakpointKind { kBreakNone = 0, kBreakRetries = 1, kBreakLumaChange = 2, kBreakLater = 3 };

class Breakpoint {
  public:
    // rgBreakpointClick: the kind chosen, and the limit read from its field now; editing a field
    // later changes nothing until the kind is clicked again. Kinds 0 and 3 keep the limit.
    void Select(int kind, std::string_view retry_text, std::string_view luma_text);
    // Whether frame m meets the condition (tested only while the window is visible); the frame's
    // luma becomes the previous luma in any case.
    bool Check(const CameraMetadata& m, bool visible);

    int kind() const { return kind_; }
    int limit() const { return limit_; }

  private:
    int kind_ = kBreakNone;
    int limit_ = 0;
    int previous_luma_ = 0;
};

}  // namespace qv::diag

#include "diag/breakpoint.h"

#include <cstdlib>

#include "platform/field_number.h"

namespace qv::diag {

void Breakpoint::Select(int kind, std::string_view retry_text, std::string_view luma_text) {
    kind_ = kind;
    if (kind == kBreakRetries) limit_ = platform::FieldNumber(retry_text);
    if (kind == kBreakLumaChange) limit_ = platform::FieldNumber(luma_text);
}

bool Breakpoint::Check(const CameraMetadata& m, bool visible) {
    bool hit = false;
    if (visible) {
        if (kind_ == kBreakRetries) hit = m.nRetries > limit_;
        // A previous luma of 0 (none yet) is no base for a change.
        if (kind_ == kBreakLumaChange)
            hit = previous_luma_ != 0 &&
                  std::llabs(static_cast<long long>(m.nLuma) - previous_luma_) > limit_;
    }
    previous_luma_ = m.nLuma;
    return hit;
}

}  // namespace qv::diag

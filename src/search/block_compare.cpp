#include "search/block_compare.h"

#include <cstdlib>

namespace qv::search {

bool BlocksDiffer(const uint8_t* current, const uint8_t* previous, size_t count, int threshold) {
    // Brightness differences lie in -255..255: a negative threshold finds motion in any block,
    // one of 255 or more never does.
    if (count == 0 || threshold >= 255) return false;
    if (threshold < 0) return true;
    for (size_t i = 0; i < count; ++i)
        if (std::abs(current[i] - previous[i]) > threshold) return true;
    return false;
}

bool BlocksDifferBeyondBrightness(const uint8_t* current, const uint8_t* previous, size_t count,
                                  int threshold) {
    if (count == 0) return false;
    int64_t sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += current[i] - previous[i];
    // |d - sum / n| > t, kept in integers as |n d - sum| > n t.
    const int64_t n = static_cast<int64_t>(count);
    const int64_t limit = n * threshold;
    for (size_t i = 0; i < count; ++i) {
        const int64_t centred = n * (current[i] - previous[i]) - sum;
        if ((centred < 0 ? -centred : centred) > limit) return true;
    }
    return false;
}

}  // namespace qv::search

#include "diag/focus_score.h"

#include <cstdlib>

namespace qv::diag {

int FocusScore(const LumaPlane& plane, int x, int y, int width, int height) {
    if (!plane.data || x < 0 || y < 0 || width <= 0 || height <= 0) return 0;
    if (x + width > plane.stride || y + height > plane.rows) return 0;
    // A window that reaches the plane's right edge stops one short there: the sample beyond the
    // last column belongs to the next row (or lies past the plane on the last one).
    const int end = x + width < plane.stride ? x + width : plane.stride - 1;
    int score = 0;
    for (int row = y; row < y + height; ++row) {
        const uint8_t* line = plane.data + static_cast<size_t>(row) * plane.stride;
        for (int col = x; col < end; ++col)
            score += std::abs(line[col] - line[col + 1]);
    }
    return score;
}

}  // namespace qv::diag

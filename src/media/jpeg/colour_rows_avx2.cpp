// The colour conversion for processors with AVX2 (built with -mavx2; called only on such
// processors): thirty-two pixels a step, with SSSE3 byte shuffles for the 24-bit stores.
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "media/jpeg/colour_lanes.h"
#include "media/jpeg/jpeg_context.h"

namespace qv {

namespace {
#include "media/jpeg/colour_rows.inc"
}  // namespace

void ConvertColourAvx2(const ColourRows& rows) {
    ConvertRows(rows);
}

}  // namespace qv

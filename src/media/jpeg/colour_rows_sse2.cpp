// The colour conversion for SSE2, which every x86-64 processor has.
#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

#include "media/jpeg/colour_lanes.h"
#include "media/jpeg/jpeg_context.h"

namespace qv {

namespace {
#include "media/jpeg/colour_rows.inc"
}  // namespace

void ConvertColourSse2(const ColourRows& rows) {
    ConvertRows(rows);
}

}  // namespace qv

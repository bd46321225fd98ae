// The block transform for processors with AVX2 (built with -mavx2; called only on such
// processors): all eight rows or columns a step.
#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "media/jpeg/colour_convert.h"
#include "media/jpeg/idct_lanes.h"
#include "media/simd/lanes.h"

namespace qv {

namespace {
#include "media/jpeg/idct_arith.inc"
#include "media/jpeg/idct_blocks.inc"
}  // namespace

void IdctLumaAvx2(int32_t* coef, const int32_t* quant, int extent, uint8_t* out, int stride) {
    TransformAndStore(coef, quant, extent, kLumaBias,
                      [&](const Block& b) { StoreLuma(b, out, stride); });
}

void IdctChromaAvx2(int32_t* coef, const int32_t* quant, int extent, int16_t* out, int stride) {
    TransformAndStore(coef, quant, extent, 0, [&](const Block& b) { StoreChroma(b, out, stride); });
}

}  // namespace qv

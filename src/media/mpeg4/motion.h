// Motion vectors of P-VOPs and the prediction they build (ISO/IEC 14496-2 7.6): one vector per
// macroblock in half luma samples, luma predicted at whole samples (the half is dropped), chroma
// at half samples, from the previous picture.
#pragma once

#include <cstdint>
#include <limits>

#include "media/mpeg4/stream_reader.h"

namespace qv::mpeg4 {

struct MotionVector {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const MotionVector&) const = default;
};

// Marks a candidate that cannot be used for prediction.
inline constexpr int32_t kVectorUnavailable = std::numeric_limits<int32_t>::max();
inline constexpr MotionVector kUnavailableVector{kVectorUnavailable, kVectorUnavailable};

// One component's difference: motion_code, its sign and motion_residual. False on a bad code or
// the end of the file.
bool DecodeVectorDifference(StreamReader& reader, int32_t r_size, int32_t& difference);

// The predictor of macroblock col from the predictor row (entry col - 1 holds the left neighbour
// of this row, col and col + 1 the row above; the row has mb width + 1 entries).
MotionVector PredictVector(const MotionVector* row, int32_t col);

// Reads both differences and returns predictor + difference; stores the vector in row[col].
bool DecodeMotionVector(StreamReader& reader, int32_t r_size, MotionVector* row, int32_t col,
                        MotionVector& out);

// A reference picture's planes as held by FrameBuffers.
struct PlaneView {
    const uint8_t* data;
    int32_t stride;
    int32_t rows;
};

// Prediction of macroblock (row, col) of a picture mb_width x mb_height: 16x16 luma and two 8x8
// chroma blocks, rows packed. Reads outside the reference are clamped to its edge samples.
void PredictMacroblock(int32_t row, int32_t col, int32_t mb_width, int32_t mb_height,
                       const PlaneView& ref_y, const PlaneView& ref_u, const PlaneView& ref_v,
                       MotionVector mv, uint8_t* pred_y, uint8_t* pred_u, uint8_t* pred_v);

}  // namespace qv::mpeg4

// Decoders of the camera's private segments, called by the header walk for each one it meets.
// Each reads only inside its payload: a field the payload is too short for keeps its value.
#pragma once

#include <cstdint>

#include "media/jpeg/byte_span.h"
#include "media/jpeg/jpeg_context.h"

namespace qv {

// Settings segment (APP15). Returns true and sets capture_time from the clock record when the
// segment is the camera's (payload bytes 31-32 "ts").
bool DecodeSettingsSegment(JpgContext& ctx, ByteSpan payload, int64_t& capture_time);

// Comment segment (COM). length_low is the low byte of the segment's length field, where the
// family text starts. Returns true and sets capture_time when the comment carries one ("T").
bool DecodeCommentSegment(JpgContext& ctx, uint8_t length_low, ByteSpan payload,
                          int64_t& capture_time);

// Exposure diagnostics segment (APP4): stores the first 32 bytes (zero-filled when shorter).
void DecodeDiagnosticsSegment(CameraMetadata& metadata, ByteSpan payload);

}  // namespace qv

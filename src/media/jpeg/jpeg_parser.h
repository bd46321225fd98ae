// Marker walk over the start of a camera JPEG frame: loads the quantisation and Huffman tables,
// decodes the camera segments into the metadata and finds the scan data.
#pragma once

#include <cstddef>
#include <cstdint>

#include "media/jpeg/jpeg_context.h"

namespace qv {

// Bytes of a frame the header walk looks at.
constexpr size_t kJpgHeaderLimit = 4096;

// Parses the segments of the picture at data, looking at no more than limit bytes (callers pass
// min(frame size, kJpgHeaderLimit)). With frame_header or scan_header set, a frame header with
// more than 4 components ends the walk without a scan. capture_time, when given, is cleared and
// receives the frame's capture time; event_segment, when given, is cleared and receives the
// start of the event segment's payload (at least one byte of it lies inside the limit).
// Returns -1 when the data does not start with SOI, 0 when no scan starts within the limit,
// else the offset of the scan data (> 0).
int JpgParseHeaders(JpgContext& ctx, const uint8_t* data, size_t limit, bool frame_header,
                    bool scan_header, int64_t* capture_time, const uint8_t** event_segment);

}  // namespace qv

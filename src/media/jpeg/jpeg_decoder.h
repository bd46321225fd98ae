// Pixel decoding of camera JPEG frames (baseline, 4:2:0, one interleaved scan) and the reduced
// decode that keeps only each block's DC value.
#pragma once

#include <cstddef>
#include <cstdint>

#include "media/jpeg/jpeg_context.h"
#include "media/picture/picture.h"

namespace qv {

// Results of JpgDecodeFrame besides 0 and a positive byte count.
constexpr int kJpgNoScan = -1;
constexpr int kJpgNoEndOfImage = -4;     // end-of-image check: no 0xD9 behind the scan
constexpr int kJpgStrayEndOfImage = -5;  // end-of-image check: 0xD9 before any 0xFF
// The movie's picture size is one the player does not show, so there are no sample planes: the
// headers are read and the interval reported, nothing is decoded (picture untouched).
constexpr int kJpgNoPicture = -6;
// The frame's own SOF0 size differs from the movie's: nothing is decoded (picture untouched), as
// the scan would fill the wrong part of the planes.
constexpr int kJpgSizeMismatch = -7;

// Decodes the frame of size bytes at data into picture (which must have the context's width and
// height). interval_ms receives the time since the previously decoded frame in milliseconds,
// capture_time the low 32 bits of this frame's capture time. Returns 0 on success, -1 when no
// scan was found (picture untouched), a positive count of scan bytes taken when the stream
// stopped early, -4 / -5 from the end-of-image check, or -6 / -7 above.
int JpgDecodeFrame(JpgContext& ctx, const uint8_t* data, size_t size, Picture& picture,
                   int32_t* interval_ms, uint32_t* capture_time);

// Reduced decode: one luma value per 8x8 block (blocks_across x block_rows, row-major, 0-255)
// and, when cb or cr is given, one signed chroma value per 16x16 area. blocks_across and
// block_rows are the padded width and height / 8. Returns -1 when no scan was found, else 0
// (an error in the scan ends the decode early).
int JpgDecodeDc(JpgContext& ctx, const uint8_t* data, size_t size, uint8_t* luma, int32_t* cb,
                int32_t* cr, int blocks_across, int block_rows);

}  // namespace qv

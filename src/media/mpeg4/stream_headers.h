// The stream headers of the camera's MPEG-4 visual subset (ISO/IEC 14496-2 6.2): visual object
// sequence, visual object, video object, video object layer, group of VOPs and VOP headers. The
// parsers refuse every stream outside the subset the cameras write.
#pragma once

#include <cstdint>

#include "media/mpeg4/debug_log.h"
#include "media/mpeg4/stream_reader.h"

namespace qv::mpeg4 {

// Widest picture the decoder handles, in macroblocks (1280 pixels).
inline constexpr int kMaxMbWidth = 80;

struct LayerParams {
    int32_t width = 0;
    int32_t height = 0;
    int32_t mb_width = 0;
    int32_t mb_height = 0;
    int32_t time_increment_resolution = 0;
    int32_t time_increment_bits = 1;
    int32_t quant_precision = 5;
};

enum VopType : int32_t { kVopI = 0, kVopP = 1, kVopB = 2 };

struct VopParams {
    int32_t vop_type = kVopI;
    bool coded = false;
    int32_t time_increment = 0;
    int32_t modulo_time_base = 0;  // count of modulo_time_base ones
    int32_t intra_dc_threshold = 0;
    int32_t quantiser = 1;
    int32_t fcode_forward = 1;
    int32_t r_size = 0;
    int32_t fcode_backward = 1;
};

// Number of bits of vop_time_increment for a resolution: enough for resolution - 1, at least 1.
int32_t TimeIncrementBits(int32_t resolution);

// The four headers at the start of the file, in order. On success the reader stands byte-aligned
// on the first byte after the layer header.
bool ParseStreamHeaders(StreamReader& reader, LayerParams& layer, const DebugLog& log);

bool ParseVisualObjectSequenceHeader(StreamReader& reader);
bool ParseVisualObjectHeader(StreamReader& reader, const DebugLog& log);
bool ParseVideoObjectStartCode(StreamReader& reader);
bool ParseVolHeader(StreamReader& reader, LayerParams& layer);

// Group of VOPs header: read and ignored.
bool ParseGovHeader(StreamReader& reader);
// One VOP header into vop. A VOP with vop_coded 0 parses with success and coded false.
bool ParseVopHeader(StreamReader& reader, const LayerParams& layer, VopParams& vop,
                    const DebugLog& log);

}  // namespace qv::mpeg4

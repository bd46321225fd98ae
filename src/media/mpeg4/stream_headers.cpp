#include "media/mpeg4/stream_headers.h"

namespace qv::mpeg4 {

namespace {

constexpr int32_t kVisualObjectSequenceCode = 0x1B0;
constexpr int32_t kVisualObjectCode = 0x1B5;
constexpr int32_t kGovCode = 0x1B3;
constexpr int32_t kVopCode = 0x1B6;

// Reads n bits and checks them against an expected value.
bool Expect(StreamReader& r, int n, uint32_t expected) {
    uint32_t v;
    return r.ReadBits(n, v) && v == expected;
}

bool Read(StreamReader& r, int n, uint32_t& v) {
    return r.ReadBits(n, v);
}

// Finds the next start code, checks it lies in [first, last] and consumes it.
bool TakeStartCode(StreamReader& r, int32_t first, int32_t last) {
    int32_t code = r.NextStartCode();
    if (code < first || code > last) return false;
    uint32_t ignored;
    return r.ReadBits(32, ignored);
}

}  // namespace

int32_t TimeIncrementBits(int32_t resolution) {
    int32_t bits = 0;
    for (uint32_t v = resolution > 0 ? static_cast<uint32_t>(resolution - 1) : 0; v != 0; v >>= 1)
        ++bits;
    return bits < 1 ? 1 : bits;
}

bool ParseVisualObjectSequenceHeader(StreamReader& r) {
    if (!TakeStartCode(r, kVisualObjectSequenceCode, kVisualObjectSequenceCode)) return false;
    uint32_t profile;
    if (!Read(r, 8, profile)) return false;
    return profile == 0x01 || profile == 0xF0;
}

bool ParseVisualObjectHeader(StreamReader& r, const DebugLog& log) {
    log.Print("Visual Object Start Code ");
    if (!TakeStartCode(r, kVisualObjectCode, kVisualObjectCode)) return false;
    return Expect(r, 1, 0)      // is_visual_object_identifier
           && Expect(r, 4, 1)   // visual_object_type: video
           && Expect(r, 1, 0);  // video_signal_type
}

bool ParseVideoObjectStartCode(StreamReader& r) {
    return TakeStartCode(r, 0x100, 0x11F);
}

bool ParseVolHeader(StreamReader& r, LayerParams& layer) {
    if (!TakeStartCode(r, 0x120, 0x12F)) return false;
    uint32_t v;
    if (!Read(r, 1, v)) return false;  // random_accessible_vol
    if (!Read(r, 8, v) || (v != 0x01 && v != 0x11)) return false;
    if (!Read(r, 1, v)) return false;  // is_object_layer_identifier
    if (v && !Read(r, 7, v)) return false;
    if (!Expect(r, 4, 1)) return false;  // aspect_ratio_info: square pixels
    if (!Read(r, 1, v)) return false;    // vol_control_parameters
    if (v) {
        uint32_t vbv;
        if (!Read(r, 3, v) || !Read(r, 1, vbv)) return false;  // chroma_format, low_delay
        if (vbv) {
            static constexpr int kVbvFields[] = {15, 1, 15, 1, 15, 1, 3, 11, 1, 15, 1};
            for (int bits : kVbvFields)
                if (!Read(r, bits, v)) return false;
        }
    }
    if (!Expect(r, 2, 0) || !Expect(r, 1, 1)) return false;  // rectangular, marker
    uint32_t resolution;
    if (!Read(r, 16, resolution) || !Read(r, 1, v)) return false;
    if (!Expect(r, 1, 0) || !Expect(r, 1, 1)) return false;  // fixed_vop_rate, marker
    uint32_t width, height;
    if (!Read(r, 13, width) || !Expect(r, 1, 1)) return false;
    if (!Read(r, 13, height) || !Expect(r, 1, 1)) return false;
    if (!Expect(r, 1, 0)) return false;  // interlaced
    if (!Read(r, 1, v)) return false;    // obmc_disable
    // sprite_enable, not_8_bit, quant_type 0; complexity_estimation_disable and
    // resync_marker_disable 1; data_partitioned and scalability 0.
    if (!Expect(r, 1, 0) || !Expect(r, 1, 0) || !Expect(r, 1, 0)) return false;
    if (!Expect(r, 1, 1) || !Expect(r, 1, 1)) return false;
    if (!Expect(r, 1, 0) || !Expect(r, 1, 0)) return false;
    layer.width = static_cast<int32_t>(width);
    layer.height = static_cast<int32_t>(height);
    layer.mb_width = (layer.width + 15) / 16;
    layer.mb_height = (layer.height + 15) / 16;
    layer.time_increment_resolution = static_cast<int32_t>(resolution);
    layer.time_increment_bits = TimeIncrementBits(layer.time_increment_resolution);
    layer.quant_precision = 5;
    return true;
}

bool ParseStreamHeaders(StreamReader& r, LayerParams& layer, const DebugLog& log) {
    r.header_end = 0;
    if (!ParseVisualObjectSequenceHeader(r) || !ParseVisualObjectHeader(r, log) ||
        !ParseVideoObjectStartCode(r) || !ParseVolHeader(r, layer))
        return false;
    r.AlignToByte();
    // The headers of a camera stream are a few dozen bytes.
    if (r.Position() > 0x7FFFFFFF) return false;
    r.header_end = static_cast<int32_t>(r.Position());
    return true;
}

bool ParseGovHeader(StreamReader& r) {
    if (!TakeStartCode(r, kGovCode, kGovCode)) return false;
    uint32_t v;
    return Read(r, 18, v) && Read(r, 1, v) && Read(r, 1, v);
}

bool ParseVopHeader(StreamReader& r, const LayerParams& layer, VopParams& vop,
                    const DebugLog& log) {
    if (!TakeStartCode(r, kVopCode, kVopCode)) return false;
    uint32_t v;
    if (!Read(r, 2, v) || v == 3) return false;  // sprite VOPs are outside the subset
    vop.vop_type = static_cast<int32_t>(v);
    int32_t ones = 0;
    do {
        if (!Read(r, 1, v)) return false;
        if (v) ++ones;
    } while (v);
    vop.modulo_time_base = ones;
    if (!Expect(r, 1, 1)) return false;
    if (!Read(r, layer.time_increment_bits, v)) return false;
    vop.time_increment = static_cast<int32_t>(v);
    log.Print("VOPTimeInc = %d, z = %d\n", vop.time_increment, ones);
    if (!Expect(r, 1, 1)) return false;
    if (!Read(r, 1, v)) return false;
    vop.coded = v != 0;
    if (!vop.coded) return true;
    if (vop.vop_type == kVopP && !Read(r, 1, v)) return false;  // vop_rounding_type: unused
    static constexpr int32_t kDcThreshold[8] = {0, 13, 15, 17, 19, 21, 23, 999};
    if (!Read(r, 3, v)) return false;
    vop.intra_dc_threshold = kDcThreshold[v];
    if (!Read(r, 5, v)) return false;
    // A quantiser of 0 does not exist; it would zero every coefficient, so take the finest.
    vop.quantiser = v == 0 ? 1 : static_cast<int32_t>(v);
    if (vop.vop_type != kVopI) {
        if (!Read(r, 3, v)) return false;
        vop.fcode_forward = static_cast<int32_t>(v);
        vop.r_size = vop.fcode_forward - 1;
    }
    if (vop.vop_type == kVopB) {
        if (!Read(r, 3, v)) return false;
        vop.fcode_backward = static_cast<int32_t>(v);
    }
    return true;
}

}  // namespace qv::mpeg4

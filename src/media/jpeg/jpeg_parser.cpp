#include "media/jpeg/jpeg_parser.h"

#include "media/jpeg/camera_segments.h"

namespace qv {

namespace {

// Markers of ISO/IEC 10918-1 Table B.1 that camera frames carry.
constexpr uint8_t kSOF0 = 0xC0, kDHT = 0xC4, kSOS = 0xDA, kDQT = 0xDB, kDNL = 0xDC, kDRI = 0xDD,
                  kEOI = 0xD9, kAPP0 = 0xE0, kAPP4 = 0xE4, kAPP5 = 0xE5, kAPP14 = 0xEE,
                  kAPP15 = 0xEF, kCOM = 0xFE;

// B.2.4.1: one table per segment; 8-bit values, identifiers above 2 are skipped.
void LoadQuantTable(JpgTables& t, ByteSpan p) {
    if (!p.Has(0, 65)) return;
    int id = p.data[0] & 15;
    if (id > 2) return;
    if (id < 2) t.dc_quant[id] = p.data[1];
    for (int k = 0; k < 64; ++k)
        t.quant[id][k] = p.data[1 + k] * kQuantScale[k];
}

// B.2.4.2: one table per segment. A table whose counts sum past 256 or run past the segment is
// ignored; the table loaded before stays.
void LoadHuffmanTable(JpgTables& t, ByteSpan p) {
    if (!p.Has(0, 17)) return;
    int cls = p.data[0] >> 4;
    int id = p.data[0] & 15;
    if (cls > 1 || id > 1) return;
    BuildHuffmanTable(p.data + 1, p.data + 17, static_cast<int>(p.size - 17), t.huffman[cls][id]);
}

}  // namespace

int JpgParseHeaders(JpgContext& ctx, const uint8_t* data, size_t limit, bool frame_header,
                    bool scan_header, int64_t* capture_time, const uint8_t** event_segment) {
    if (capture_time) *capture_time = 0;
    if (event_segment) *event_segment = nullptr;
    ctx.metadata.diag_present = false;
    ctx.tables.frame_width = ctx.tables.frame_height = 0;
    if (!data || limit < 2 || data[0] != 0xFF || data[1] != 0xD8) return -1;
    if (limit <= 2) return 0;

    size_t pos = 2;
    while (pos + 4 <= limit && data[pos] == 0xFF) {
        uint8_t marker = data[pos + 1];
        size_t length = (static_cast<size_t>(data[pos + 2]) << 8) | data[pos + 3];
        size_t start = pos + 4;
        size_t want = length >= 2 ? length - 2 : 0;
        ByteSpan payload{data + start, want < limit - start ? want : limit - start};
        int64_t t = 0;
        switch (marker) {
            case kSOS:
                return static_cast<int>(pos + length + 2);
            case kDQT:
                LoadQuantTable(ctx.tables, payload);
                break;
            case kDHT:
                LoadHuffmanTable(ctx.tables, payload);
                break;
            case kSOF0:
                // B.2.2: precision, lines (Y), samples per line (X), components.
                if (payload.Has(0, 5)) {
                    ctx.tables.frame_height = (payload.data[1] << 8) | payload.data[2];
                    ctx.tables.frame_width = (payload.data[3] << 8) | payload.data[4];
                }
                if ((frame_header || scan_header) && payload.Has(5, 1) && payload.data[5] > 4)
                    return 0;
                break;
            case kAPP4:
                DecodeDiagnosticsSegment(ctx.metadata, payload);
                break;
            case kAPP5:
                if (event_segment && payload.size > 0) *event_segment = payload.data;
                break;
            case kAPP15:
                if (DecodeSettingsSegment(ctx, payload, t) && capture_time) *capture_time = t;
                break;
            case kCOM:
                if (DecodeCommentSegment(ctx, data[pos + 3], payload, t) && capture_time)
                    *capture_time = t;
                break;
            default:
                bool skipped = (marker >= 0xD0 && marker <= 0xD7) || marker == kEOI ||
                               marker == kDNL || marker == kDRI ||
                               (marker >= kAPP0 && marker <= kAPP14);
                if (!skipped) return 0;
                break;
        }
        pos += length + 2;
    }
    return 0;
}

}  // namespace qv

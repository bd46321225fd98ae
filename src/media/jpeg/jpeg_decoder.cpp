#include "media/jpeg/jpeg_decoder.h"

#include <algorithm>

#include "media/jpeg/ac_skip_table.h"
#include "media/jpeg/bit_reader.h"
#include "media/jpeg/colour_convert.h"
#include "media/jpeg/entropy_decode.h"
#include "media/jpeg/jpeg_parser.h"
#include "media/jpeg/scan_decode.h"
#include "media/jpeg/standard_ac_tables.h"

namespace qv {

namespace {

// The tables one component's AC codes are skipped with.
struct SkipTables {
    const AcSkipLookup* skip;
    const AcFastLookup* fast;
    const AcLookup* ac;
};

// Skips the AC coefficients of a block (the reduced decode keeps only DC): several whole codes
// per look-up while they stay clear of position 63, else one code at a time as the full decode
// reads them.
inline void SkipAc(BitReader& br, const SkipTables& t, int& error) {
    for (int k = 1; k < 64;) {
        br.Fill();
        // A fill leaves at least 32 bits: room for two look-ups of up to kAcSkipBits each.
        static_assert(2 * kAcSkipBits <= 32);
        const AcSkipEntry e = (*t.skip)[br.Peek16() >> (16 - kAcSkipBits)];
        if (SkipBits(e) && k + SkipAdvance(e) <= 63) {
            br.Skip(SkipBits(e));
            if (SkipEndsBlock(e)) return;
            k += SkipAdvance(e);
            const AcSkipEntry f = (*t.skip)[br.Peek16() >> (16 - kAcSkipBits)];
            if (SkipBits(f) && k + SkipAdvance(f) <= 63) {
                br.Skip(SkipBits(f));
                if (SkipEndsBlock(f)) return;
                k += SkipAdvance(f);
            }
            continue;
        }
        AcStep st = NextAc(br, *t.fast, *t.ac);
        if (st.run < 0) break;
        if (st.value == 0) {
            k += 16;
            continue;
        }
        k += st.run;
        if (k > 63) {
            error = kScanBadCode;
            return;
        }
        ++k;
    }
}

// The scan result after the end-of-image check: -4 when no 0xD9 follows within 128 bytes, -5 when
// one comes before any 0xFF, else 0.
int CheckEndOfImage(const uint8_t* scan, size_t scan_size, size_t taken) {
    size_t end = std::min(scan_size, taken + 128);
    for (size_t i = taken; i < end; ++i) {
        if (scan[i] == 0xFF) {
            for (size_t j = i + 1; j < end; ++j)
                if (scan[j] == 0xD9) return 0;
            return kJpgNoEndOfImage;
        }
        if (scan[i] == 0xD9) return kJpgStrayEndOfImage;
    }
    return kJpgNoEndOfImage;
}

// A marker inside the scan is reported to the developer's trace, as the bit reader met it.
void ReportStop(const JpgContext& ctx, int code) {
    if (ctx.debug_output && code != kScanBadCode && code != kScanEndOfData)
        ctx.debug_output->Append("Error in GetBits");
}

// A frame whose SOF0 announces another size than the movie's. Frames without SOF0 are taken to
// have the movie's size.
bool FrameSizeDiffers(const JpgContext& ctx) {
    const JpgTables& t = ctx.tables;
    if (t.frame_width == 0 && t.frame_height == 0) return false;
    return t.frame_width != ctx.Width() || t.frame_height != ctx.Height();
}

// The scan data of a frame, or an empty span when the headers hold no scan.
struct Scan {
    const uint8_t* data = nullptr;
    size_t size = 0;
    bool found = false;
};

Scan FindScan(JpgContext& ctx, const uint8_t* data, size_t size, int64_t* capture_time,
              const uint8_t** event_segment, bool headers) {
    size_t limit = std::min(size, kJpgHeaderLimit);
    int offset = JpgParseHeaders(ctx, data, limit, headers, headers, capture_time, event_segment);
    if (offset <= 0 || static_cast<size_t>(offset) > size) return {};
    return {data + offset, size - static_cast<size_t>(offset), true};
}

}  // namespace

int JpgDecodeFrame(JpgContext& ctx, const uint8_t* data, size_t size, Picture& picture,
                   int32_t* interval_ms, uint32_t* capture_time) {
    int64_t t = 0;
    const uint8_t* event = nullptr;
    Scan scan = FindScan(ctx, data, size, &t, &event, true);
    ctx.SetLastEventByte(event ? event[0] : -1);
    if (!scan.found) return kJpgNoScan;

    uint32_t low = static_cast<uint32_t>(t);
    uint32_t prev = static_cast<uint32_t>(ctx.PreviousCaptureTime());
    if (interval_ms) *interval_ms = static_cast<int32_t>((low - prev) * 10u);
    if (capture_time) *capture_time = low;
    ctx.SetPreviousCaptureTime(t);
    ctx.SetLastCaptureTime(t);
    if (!ctx.HasPlanes()) return kJpgNoPicture;
    if (FrameSizeDiffers(ctx)) return kJpgSizeMismatch;

    if (picture.width != ctx.Width() || picture.height != ctx.Height())
        picture.Allocate(ctx.Width(), ctx.Height());
    BitReader br(scan.data, scan.size);
    const ScanResult decoded = DecodeScan(ctx, br, picture);
    // The rows the scan did not reach keep the previous frame's samples.
    ConvertPlaneRows(ctx, picture, decoded.converted, picture.height);
    const int error = decoded.error;

    if (error) {
        ReportStop(ctx, error);
        size_t taken = error == kScanBadCode ? br.BytesTaken() : br.BytesToStop();
        return static_cast<int>(std::max<size_t>(taken, 1));
    }
    if (ctx.switches.cbCheckSpuriousEOI)
        return CheckEndOfImage(scan.data, scan.size, br.BytesTaken());
    return 0;
}

int JpgDecodeDc(JpgContext& ctx, const uint8_t* data, size_t size, uint8_t* luma, int32_t* cb,
                int32_t* cr, int blocks_across, int block_rows) {
    Scan scan = FindScan(ctx, data, size, nullptr, nullptr, false);
    if (!scan.found || !luma || blocks_across <= 0 || block_rows <= 0) return kJpgNoScan;

    const JpgTables& tab = ctx.tables;
    const HuffmanTable& dc_y = tab.huffman[0][0];
    const HuffmanTable& dc_c = tab.huffman[0][1];
    const SkipTables skip_y{&AcLuminanceSkip(), &AcLuminanceFast(), &AcLuminanceLookup()};
    const SkipTables skip_c{&AcChrominanceSkip(), &AcChrominanceFast(), &AcChrominanceLookup()};
    const int64_t q0 = tab.dc_quant[0], q1 = tab.dc_quant[1];
    const int mcus_across = blocks_across / 2, mcu_rows = block_rows / 2;

    BitReader br(scan.data, scan.size);
    int error = 0;
    int32_t pred[3] = {0, 0, 0};
    auto add = [](int32_t& p, int32_t d) {
        p = static_cast<int32_t>(static_cast<uint32_t>(p) + static_cast<uint32_t>(d));
    };
    for (int my = 0; my < mcu_rows; ++my) {
        for (int mx = 0; mx < mcus_across; ++mx) {
            for (int b = 0; b < 4 && !error; ++b) {
                add(pred[0], DecodeDcDiff(br, dc_y, error));
                if (!error) SkipAc(br, skip_y, error);
                int64_t v = q0 * pred[0] / 8 + 128;
                size_t at =
                    static_cast<size_t>(2 * my + (b >> 1)) * blocks_across + 2 * mx + (b & 1);
                luma[at] = static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
            }
            size_t mcu = static_cast<size_t>(my) * mcus_across + mx;
            for (int c = 1; c <= 2 && !error; ++c) {
                add(pred[c], DecodeDcDiff(br, dc_c, error));
                int32_t* out = c == 1 ? cb : cr;
                if (out) {
                    int64_t v = q1 * pred[c] / 8;
                    out[mcu] = static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
                }
                if (!error) SkipAc(br, skip_c, error);
            }
            if (!error && br.Failed()) error = br.StopCode();
            if (error) {
                ReportStop(ctx, error);
                return 0;
            }
        }
    }
    return 0;
}

}  // namespace qv

#include "media/jpeg/jpeg_decoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "media/jpeg/bit_reader.h"
#include "media/jpeg/colour_convert.h"
#include "media/jpeg/idct.h"
#include "media/jpeg/jpeg_parser.h"
#include "media/jpeg/standard_ac_tables.h"

namespace qv {

namespace {

// Largest magnitudes kept before and after dequantisation. Real pictures stay far below them
// (a baseline coefficient fits 11 bits); they only keep hostile data from overflowing the
// 32-bit transform.
constexpr int32_t kMaxCoefficient = 2047;
constexpr int32_t kMaxDequantised = 1 << 22;

// The tables one component's blocks are decoded with.
struct ComponentTables {
    const HuffmanTable* dc;
    const AcLookup* ac;
    const int32_t* quant;
};

// F.2.2.3 decode of a DC size symbol, with a 9-bit look-ahead in front of the code-by-code walk.
// Returns the symbol, or -1 when no code matches within 16 bits.
inline int DecodeDcSymbol(BitReader& br, const HuffmanTable& t) {
    uint32_t peek = br.Peek16();
    uint16_t fast = t.lookahead[peek >> 7];
    if (fast) {
        br.Skip(fast >> 8);
        return fast & 0xFF;
    }
    int32_t code = static_cast<int32_t>(peek >> 15);
    for (int len = 1; len <= 16; ++len) {
        if (t.maxcode[len] >= code) {
            br.Skip(len);
            int index = t.valptr[len] + code - t.mincode[len];
            return t.symbols[std::clamp(index, 0, 255)];
        }
        if (len < 16) code = (code << 1) | static_cast<int32_t>((peek >> (15 - len)) & 1);
    }
    return -1;
}

// DC difference of one block; sets error to kScanBadCode when the code or its size is invalid.
inline int32_t DecodeDcDiff(BitReader& br, const HuffmanTable& t, int& error) {
    br.Fill();
    int s = DecodeDcSymbol(br, t);
    if (s < 0 || s > 16) {
        error = kScanBadCode;
        return 0;
    }
    if (s == 0) return 0;
    uint32_t bits = br.Get(s);
    return s <= 11 ? ExtendSign(bits, s) : static_cast<int32_t>(bits);
}

// AC coefficients 1..63 in zigzag order into coef (cleared by the caller). Returns the zigzag
// index of the last coefficient written (0 when none was).
inline int DecodeAc(BitReader& br, const AcLookup& ac, int32_t* coef, int& error) {
    int last = 0;
    for (int k = 1; k < 64;) {
        br.Fill();
        uint16_t entry = ac[br.Peek16()];
        br.Skip(entry >> 8);
        int run = (entry >> 4) & 15;
        int size = entry & 15;
        if (size) {
            k += run;
            if (k > 63) {
                error = kScanBadCode;
                return last;
            }
            coef[k] = ExtendSign(br.Get(size), size);
            last = k;
            ++k;
        } else if (run == 15) {
            k += 16;
        } else {
            break;
        }
    }
    return last;
}

// Skips the AC coefficients of a block (the reduced decode keeps only DC).
inline void SkipAc(BitReader& br, const AcLookup& ac, int& error) {
    for (int k = 1; k < 64;) {
        br.Fill();
        uint16_t entry = ac[br.Peek16()];
        br.Skip(entry >> 8);
        int run = (entry >> 4) & 15;
        int size = entry & 15;
        if (size) {
            k += run;
            if (k > 63) {
                error = kScanBadCode;
                return;
            }
            br.Skip(size);
            ++k;
        } else if (run == 15) {
            k += 16;
        } else {
            break;
        }
    }
}

inline int32_t Dequantise(int32_t c, int32_t q) {
    int32_t v = std::clamp(c, -kMaxCoefficient, kMaxCoefficient) * q;
    return std::clamp(v, -kMaxDequantised, kMaxDequantised);
}

// Decodes one block into an 8x8 area of a plane. Luma is level-shifted and limited to 0..255;
// chroma stays centred on 0 (limited to what the colour conversion's saturation covers).
template <bool kLuma, typename Sample>
inline void DecodeBlock(BitReader& br, const ComponentTables& t, int32_t& predictor, Sample* out,
                        int stride, int& error) {
    int32_t zz[64];
    std::memset(zz, 0, sizeof zz);
    predictor = static_cast<int32_t>(static_cast<uint32_t>(predictor) +
                                     static_cast<uint32_t>(DecodeDcDiff(br, *t.dc, error)));
    zz[0] = predictor;
    int last = error ? 0 : DecodeAc(br, *t.ac, zz, error);

    int32_t block[64];
    if (last == 0) {
        // Only the DC term: the block is flat.
        int32_t v = Dequantise(zz[0], t.quant[0]) >> 10;
        if constexpr (kLuma) {
            uint8_t flat = static_cast<uint8_t>(std::clamp(v + 128, 0, 255));
            for (int y = 0; y < 8; ++y)
                std::memset(out + y * stride, flat, 8);
        } else {
            Sample flat = static_cast<Sample>(std::clamp(v, kChromaMin, kChromaMax));
            for (int y = 0; y < 8; ++y)
                std::fill(out + y * stride, out + y * stride + 8, flat);
        }
        return;
    }
    std::memset(block, 0, sizeof block);
    for (int k = 0; k <= last; ++k)
        if (zz[k]) block[kZigzagToNatural[k]] = Dequantise(zz[k], t.quant[k]);
    InverseDct(block);
    for (int y = 0; y < 8; ++y) {
        Sample* row = out + y * stride;
        const int32_t* b = block + y * 8;
        for (int x = 0; x < 8; ++x) {
            if constexpr (kLuma)
                row[x] = static_cast<Sample>(std::clamp(b[x] + 128, 0, 255));
            else
                row[x] = static_cast<Sample>(std::clamp(b[x], kChromaMin, kChromaMax));
        }
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

void ReportStop(int code, bool many_bits) {
    if (code != kScanBadCode && code != kScanEndOfData)
        std::fprintf(stderr, many_bits ? "Error in GetBits\n" : "Error in Get1Bit\n");
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
    if (!scan.found || !ctx.HasPlanes()) return kJpgNoScan;

    uint32_t low = static_cast<uint32_t>(t);
    uint32_t prev = static_cast<uint32_t>(ctx.PreviousCaptureTime());
    if (interval_ms) *interval_ms = static_cast<int32_t>((low - prev) * 10u);
    if (capture_time) *capture_time = low;
    ctx.SetPreviousCaptureTime(t);
    ctx.SetLastCaptureTime(t);

    const JpgTables& tab = ctx.tables;
    const ComponentTables y_tab{&tab.huffman[0][0], &AcLuminanceLookup(), tab.quant[0].data()};
    const ComponentTables c_tab{&tab.huffman[0][1], &AcChrominanceLookup(), tab.quant[1].data()};
    const int w16 = ctx.PaddedWidth(), h16 = ctx.PaddedHeight(), cw = w16 / 2;
    uint8_t* luma = ctx.MutableLuma();
    int16_t* cb = ctx.MutableCb();
    int16_t* cr = ctx.MutableCr();

    BitReader br(scan.data, scan.size);
    int error = 0;
    int32_t pred_y = 0, pred_cb = 0, pred_cr = 0;
    for (int my = 0; my < h16 / 16 && !error; ++my) {
        for (int mx = 0; mx < w16 / 16; ++mx) {
            uint8_t* ly = luma + static_cast<size_t>(my) * 16 * w16 + mx * 16;
            size_t coff = static_cast<size_t>(my) * 8 * cw + mx * 8;
            DecodeBlock<true>(br, y_tab, pred_y, ly, w16, error);
            DecodeBlock<true>(br, y_tab, pred_y, ly + 8, w16, error);
            DecodeBlock<true>(br, y_tab, pred_y, ly + 8 * w16, w16, error);
            DecodeBlock<true>(br, y_tab, pred_y, ly + 8 * w16 + 8, w16, error);
            DecodeBlock<false>(br, c_tab, pred_cb, cb + coff, cw, error);
            DecodeBlock<false>(br, c_tab, pred_cr, cr + coff, cw, error);
            if (!error && br.Failed()) error = br.StopCode();
            if (error) break;
        }
    }

    if (picture.width != ctx.Width() || picture.height != ctx.Height())
        picture.Allocate(ctx.Width(), ctx.Height());
    ConvertPlanes(ctx, picture);

    if (error) {
        ReportStop(error, true);
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
    const AcLookup& ac_y = AcLuminanceLookup();
    const AcLookup& ac_c = AcChrominanceLookup();
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
                if (!error) SkipAc(br, ac_y, error);
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
                if (!error) SkipAc(br, ac_c, error);
            }
            if (!error && br.Failed()) error = br.StopCode();
            if (error) {
                ReportStop(error, true);
                return 0;
            }
        }
    }
    return 0;
}

}  // namespace qv

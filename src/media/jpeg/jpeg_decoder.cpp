#include "media/jpeg/jpeg_decoder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "media/jpeg/ac_skip_table.h"
#include "media/jpeg/bit_reader.h"
#include "media/jpeg/colour_convert.h"
#include "media/jpeg/idct.h"
#include "media/jpeg/idct_lanes.h"
#include "media/jpeg/jpeg_parser.h"
#include "media/jpeg/standard_ac_tables.h"
#include "media/simd/simd_target.h"

namespace qv {

namespace {

// Largest magnitudes kept before and after dequantisation. Real pictures stay far below them
// (a baseline coefficient fits 11 bits); they only keep hostile data from overflowing the
// 32-bit transform.
constexpr int32_t kMaxCoefficient = 2047;
constexpr int32_t kMaxDequantised = 1 << 22;

// The tables one component's blocks are decoded with, and where each zigzag index goes.
struct ComponentTables {
    const HuffmanTable* dc;
    const AcLookup* ac;
    const AcFastLookup* fast;
    const int32_t* quant;
    const uint8_t* order;
};

// One AC step: the run of zeros and the coefficient, or the end of the block (run < 0), or
// sixteen zeros (run 16, value 0). Short codes come from the fast table in one look-up.
struct AcStep {
    int run;
    int32_t value;
};

inline AcStep NextAc(BitReader& br, const AcFastLookup& fast, const AcLookup& ac) {
    br.Fill();
    uint32_t peek = br.Peek16();
    AcFastEntry f = fast[peek >> (16 - kAcFastBits)];
    if (f.bits) {
        br.Skip(f.bits);
        if (f.run == kAcFastEndOfBlock) return {-1, 0};
        if (f.run == kAcFastSixteenZeros) return {16, 0};
        return {f.run, f.value};
    }
    uint16_t entry = ac[peek];
    br.Skip(entry >> 8);
    int run = (entry >> 4) & 15;
    int size = entry & 15;
    if (size) return {run, ExtendSign(br.Get(size), size)};
    return run == 15 ? AcStep{16, 0} : AcStep{-1, 0};
}

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

inline int32_t Dequantise(int32_t c, int32_t q) {
    int32_t v = std::clamp(c, -kMaxCoefficient, kMaxCoefficient) * q;
    return std::clamp(v, -kMaxDequantised, kMaxDequantised);
}

// Stores an 8x8 block of transform outputs into a plane: luma level-shifted and limited to
// 0..255, chroma centred on 0 and limited to what the colour conversion's saturation covers.
template <bool kLuma, typename Sample>
inline void StoreBlock(const int32_t* v, Sample* out, int stride) {
    for (int y = 0; y < 8; ++y) {
        Sample* row = out + y * stride;
        for (int x = 0; x < 8; ++x) {
            if constexpr (kLuma)
                row[x] = static_cast<Sample>(std::clamp(v[y * 8 + x] + 128, 0, 255));
            else
                row[x] = static_cast<Sample>(std::clamp(v[y * 8 + x], kChromaMin, kChromaMax));
        }
    }
}

template <bool kLuma, typename Sample>
inline void FillBlock(int32_t v, Sample* out, int stride) {
    Sample flat = kLuma ? static_cast<Sample>(std::clamp(v + 128, 0, 255))
                        : static_cast<Sample>(std::clamp(v, kChromaMin, kChromaMax));
    for (int y = 0; y < 8; ++y)
        std::fill(out + y * stride, out + y * stride + 8, flat);
}

// Where each zigzag index goes in the transposed natural order the lane transforms take (built
// at first use, after the natural order it is derived from).
const std::array<uint8_t, 64>& ZigzagToTransposed() {
    static const std::array<uint8_t, 64> table = [] {
        std::array<uint8_t, 64> t{};
        for (int k = 0; k < 64; ++k) {
            const int n = kZigzagToNatural[k];
            t[k] = static_cast<uint8_t>((n & 7) * 8 + (n >> 3));
        }
        return t;
    }();
    return table;
}

using simd::Target;

// The plain transform of a block in natural order: only the rows that received a coefficient,
// then the columns; the rows are cleared again afterwards.
template <bool kLuma, typename Sample>
inline void TransformPlain(int32_t* coef, unsigned row_mask, unsigned ac_mask, Sample* out,
                           int stride) {
    IdctRows(coef, row_mask, ac_mask);
    int32_t v[64];
    if (row_mask == 1) {
        // Only the top row is non-zero: every column is flat.
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                v[y * 8 + x] = coef[x] >> 10;
    } else {
        IdctColumns(coef, v);
    }
    StoreBlock<kLuma>(v, out, stride);
    for (int r = 0; r < 8; ++r)
        if (row_mask & (1u << r)) std::memset(coef + r * 8, 0, 8 * sizeof(int32_t));
}

#if QV_X86_SIMD
template <Target kTarget>
inline void TransformLanes(int32_t* coef, uint8_t* out, int stride) {
    if constexpr (kTarget == Target::kAvx2)
        IdctLumaAvx2(coef, out, stride);
    else
        IdctLumaSse2(coef, out, stride);
}
template <Target kTarget>
inline void TransformLanes(int32_t* coef, int16_t* out, int stride) {
    if constexpr (kTarget == Target::kAvx2)
        IdctChromaAvx2(coef, out, stride);
    else
        IdctChromaSse2(coef, out, stride);
}
#endif

// Decodes one block into an 8x8 area of a plane. coef is a block that is all zero on entry and
// is left all zero: coefficients are dequantised straight into their place (natural order for
// the plain transform, transposed for the lane transforms), and only the rows that received one
// are transformed.
template <Target kTarget, bool kLuma, typename Sample>
inline void DecodeBlock(BitReader& scan_reader, const ComponentTables& t, int32_t& predictor,
                        int32_t* coef, Sample* out, int stride, int& error) {
    constexpr bool kTransposed = kTarget != Target::kPlain;
    // A copy whose address is never taken stays in registers: the coefficient stores could
    // otherwise overwrite the shared reader's fields, as far as the compiler knows.
    BitReader br = scan_reader;
    predictor = static_cast<int32_t>(static_cast<uint32_t>(predictor) +
                                     static_cast<uint32_t>(DecodeDcDiff(br, *t.dc, error)));
    int32_t dc = Dequantise(predictor, t.quant[0]);
    unsigned row_mask = 0, ac_mask = 0;
    if (!error) {
        for (int k = 1; k < 64;) {
            AcStep st = NextAc(br, *t.fast, *t.ac);
            if (st.run < 0) break;
            if (st.value == 0) {
                k += 16;
                continue;
            }
            k += st.run;
            if (k > 63) {
                error = kScanBadCode;
                break;
            }
            const int n = t.order[k];
            coef[n] = Dequantise(st.value, t.quant[k]);
            const int row = kTransposed ? n & 7 : n >> 3, column = kTransposed ? n >> 3 : n & 7;
            row_mask |= 1u << row;
            ac_mask |= static_cast<unsigned>(column != 0) << row;
            ++k;
        }
    }
    scan_reader = br;
    if (row_mask == 0) {
        // Only the DC term: the block is flat.
        FillBlock<kLuma>(dc >> 10, out, stride);
        return;
    }
    coef[0] = dc;
#if QV_X86_SIMD
    if constexpr (kTransposed) {
        TransformLanes<kTarget>(coef, out, stride);
        return;
    }
#endif
    TransformPlain<kLuma>(coef, row_mask | 1, ac_mask, out, stride);
}

// The blocks of every macroblock in the scan (four luma, Cb, Cr) into the planes. Returns 0, or
// the error that stopped the scan.
template <Target kTarget>
int DecodeMacroblocks(JpgContext& ctx, BitReader& br) {
    const JpgTables& tab = ctx.tables;
    const uint8_t* order =
        kTarget == Target::kPlain ? kZigzagToNatural.data() : ZigzagToTransposed().data();
    const ComponentTables y_tab{&tab.huffman[0][0], &AcLuminanceLookup(), &AcLuminanceFast(),
                                tab.quant[0].data(), order};
    const ComponentTables c_tab{&tab.huffman[0][1], &AcChrominanceLookup(), &AcChrominanceFast(),
                                tab.quant[1].data(), order};
    const int w16 = ctx.PaddedWidth(), h16 = ctx.PaddedHeight(), cw = w16 / 2;
    uint8_t* luma = ctx.MutableLuma();
    int16_t* cb = ctx.MutableCb();
    int16_t* cr = ctx.MutableCr();
    int error = 0;
    int32_t pred_y = 0, pred_cb = 0, pred_cr = 0;
    alignas(32) int32_t coef[64] = {};
    for (int my = 0; my < h16 / 16; ++my) {
        for (int mx = 0; mx < w16 / 16; ++mx) {
            uint8_t* ly = luma + static_cast<size_t>(my) * 16 * w16 + mx * 16;
            size_t coff = static_cast<size_t>(my) * 8 * cw + mx * 8;
            DecodeBlock<kTarget, true>(br, y_tab, pred_y, coef, ly, w16, error);
            DecodeBlock<kTarget, true>(br, y_tab, pred_y, coef, ly + 8, w16, error);
            DecodeBlock<kTarget, true>(br, y_tab, pred_y, coef, ly + 8 * w16, w16, error);
            DecodeBlock<kTarget, true>(br, y_tab, pred_y, coef, ly + 8 * w16 + 8, w16, error);
            DecodeBlock<kTarget, false>(br, c_tab, pred_cb, coef, cb + coff, cw, error);
            DecodeBlock<kTarget, false>(br, c_tab, pred_cr, coef, cr + coff, cw, error);
            if (!error && br.Failed()) error = br.StopCode();
            if (error) return error;
        }
    }
    return 0;
}

// The macroblocks with the transform of the active instruction-set target.
int DecodeScan(JpgContext& ctx, BitReader& br) {
#if QV_X86_SIMD
    switch (simd::ActiveTarget()) {
        case Target::kAvx2:
            return DecodeMacroblocks<Target::kAvx2>(ctx, br);
        case Target::kSse2:
            return DecodeMacroblocks<Target::kSse2>(ctx, br);
        case Target::kPlain:
            break;
    }
#endif
    return DecodeMacroblocks<Target::kPlain>(ctx, br);
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

    BitReader br(scan.data, scan.size);
    const int error = DecodeScan(ctx, br);

    if (picture.width != ctx.Width() || picture.height != ctx.Height())
        picture.Allocate(ctx.Width(), ctx.Height());
    ConvertPlanes(ctx, picture);

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

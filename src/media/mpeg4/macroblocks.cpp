#include "media/mpeg4/macroblocks.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "media/mpeg4/idct.h"
#include "media/mpeg4/vlc_reader.h"

namespace qv::mpeg4 {

namespace {

constexpr int32_t kDcReset = 1024;

// dct_dc_differential of ISO/IEC 14496-2 6.3.8 after its size code.
bool DecodeDcDifferential(StreamReader& r, bool chroma, int32_t& diff) {
    const VlcTables& t = Tables();
    int32_t size = chroma ? DecodeVlc(r, t.dc_chroma, DcSizeChromaRows())
                          : DecodeVlc(r, t.dc_luma, DcSizeLumaRows());
    if (size < 0 || size > 9) return false;
    diff = 0;
    if (size == 0) return true;
    uint32_t v;
    if (!r.ReadBits(size, v)) return false;
    int32_t value = static_cast<int32_t>(v);
    diff = value < (1 << (size - 1)) ? value - ((1 << size) - 1) : value;
    if (size > 8) {
        uint32_t marker;
        if (!r.ReadBits(1, marker) || marker != 1) return false;
    }
    return true;
}

// Bits straight from the mapped window, for the texture loop when the window holds far more than
// a block can use (64 escape-coded coefficients are 240 bytes). The next bits wait left-aligned
// in a register, topped up eight bytes at a time, so that a code costs a shift and a table
// look-up rather than a load from memory.
struct WindowBits {
    static constexpr uint32_t kNeeded = 320;
    const uint8_t* base;
    const uint8_t* p;    // the next byte the cache takes
    uint64_t cache = 0;  // bits not yet read, from the top
    int count = 0;       // how many of them the cache holds

    WindowBits(const uint8_t* start, int bit) : base(start), p(start) {
        Refill();
        Skip(bit);
    }
    // Fills the cache to at least 56 bits (reads 8 bytes from p, inside the window).
    void Refill() {
        uint64_t v;
        std::memcpy(&v, p, 8);
        if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
        cache |= v >> count;
        p += (63 - count) >> 3;
        count |= 56;
    }
    uint32_t Peek(int n) {
        if (count < n) Refill();
        return static_cast<uint32_t>(cache >> (64 - n));
    }
    void Skip(int n) {
        cache <<= n;
        count -= n;
    }
    bool Read(int n, uint32_t& v) {
        v = Peek(n);
        Skip(n);
        return true;
    }
    // Where reading stopped: a byte and the bits already read of it.
    size_t BitsRead() const { return static_cast<size_t>(p - base) * 8 - count; }
    int32_t Code(const TcoefLookup& lookup, std::span<const TcoefRow>, Tcoef& out) {
        const uint32_t bits = Peek(TcoefLookup::kBits + 1);
        const TcoefLookup::Entry e = lookup.Find(bits >> 1);
        if (e.length == 0) return 0;
        out.run = e.run;
        out.last = e.last;
        out.level = (bits >> (TcoefLookup::kBits - e.length)) & 1u ? -e.level : e.level;
        Skip(e.length + 1);
        return 1;
    }
};

// The stream reader itself, anywhere in the file.
struct ReaderBits {
    StreamReader& r;
    bool Read(int n, uint32_t& v) { return r.ReadBits(n, v); }
    int32_t Code(const TcoefLookup& lookup, std::span<const TcoefRow> rows, Tcoef& out) {
        return DecodeTcoef(r, lookup, rows, out);
    }
};

// Escape modes of ISO/IEC 14496-2 6.3.8 after the escape code: a code with its level or run
// raised by the table's LMAX or RMAX, or last, run and level written out.
template <class Bits>
bool DecodeEscape(Bits& r, const TcoefLookup& lookup, std::span<const TcoefRow> rows, Tcoef& c) {
    uint32_t bit;
    if (!r.Read(1, bit)) return false;
    if (bit == 0) {
        if (r.Code(lookup, rows, c) != 1) return false;
        int lmax = lookup.Lmax(c.last, c.run);
        if (lmax <= 0) return false;
        c.level += c.level < 0 ? -lmax : lmax;
        return true;
    }
    if (!r.Read(1, bit)) return false;
    if (bit == 0) {
        if (r.Code(lookup, rows, c) != 1) return false;
        int rmax = lookup.Rmax(c.last, std::abs(c.level));
        if (rmax < 0) return false;
        c.run += rmax + 1;
        return true;
    }
    uint32_t last, run, marker, level;
    if (!r.Read(1, last) || !r.Read(6, run)) return false;
    if (!r.Read(1, marker) || marker != 1) return false;
    if (!r.Read(12, level)) return false;
    if (!r.Read(1, marker) || marker != 1) return false;
    c.last = static_cast<int32_t>(last);
    c.run = static_cast<int32_t>(run);
    c.level = level >= 2048 ? static_cast<int32_t>(level) - 4096 : static_cast<int32_t>(level);
    return true;
}

template <class Bits>
bool TextureLoop(Bits& r, bool intra, int pos, int32_t* coef, uint8_t* nonzero, int& count,
                 const int32_t* w_times_q, int32_t& sum) {
    const VlcTables& t = Tables();
    const TcoefLookup& lookup = intra ? t.intra : t.inter;
    std::span<const TcoefRow> rows = intra ? IntraTcoefRows() : InterTcoefRows();
    while (true) {
        Tcoef c;
        int32_t found = r.Code(lookup, rows, c);
        if (found < 0) return false;
        if (found == 0) {
            uint32_t escape;
            if (!r.Read(kTcoefEscapeLength, escape) || escape != kTcoefEscape) return false;
            if (!DecodeEscape(r, lookup, rows, c)) return false;
        }
        pos += c.run;
        if (pos > 63) return false;
        int raster = kZigzag[pos];
        if (w_times_q && (raster != 0 || !intra)) {
            coef[raster] = DequantiseLevel(c.level, w_times_q[raster], intra);
            sum += coef[raster];
        } else {
            coef[raster] = c.level;
        }
        // Listed unless it is the DC position; written either way, which spares a branch.
        nonzero[count] = static_cast<uint8_t>(raster);
        count += raster != 0;
        ++pos;
        if (c.last) return true;
        if (pos > 63) return false;
    }
}

// Writes an 8x8 block of samples (-256..255), on top of a prediction when one is given, each
// sum limited to 0..255.
void StoreBlock(uint8_t* dst, int32_t stride, const int16_t* samples, const uint8_t* pred,
                int32_t pred_stride) {
#if defined(__SSE2__)
    // The sums stay inside 16 bits; the unsigned pack limits them to 0..255.
    for (int j = 0; j < 8; ++j) {
        __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(samples + 8 * j));
        if (pred) {
            const __m128i p =
                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pred + j * pred_stride));
            row = _mm_add_epi16(row, _mm_unpacklo_epi8(p, _mm_setzero_si128()));
        }
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + static_cast<size_t>(j) * stride),
                         _mm_packus_epi16(row, row));
    }
#else
    for (int j = 0; j < 8; ++j) {
        uint8_t* d = dst + static_cast<size_t>(j) * stride;
        const uint8_t* p = pred ? pred + j * pred_stride : nullptr;
        for (int i = 0; i < 8; ++i)
            d[i] = static_cast<uint8_t>(std::clamp(samples[j * 8 + i] + (p ? p[i] : 0), 0, 255));
    }
#endif
}

template <int kSize>
void CopyBlock(uint8_t* dst, int32_t stride, const uint8_t* src, int32_t src_stride) {
    for (int j = 0; j < kSize; ++j)
        std::memcpy(dst + static_cast<size_t>(j) * stride,
                    src + static_cast<size_t>(j) * src_stride, kSize);
}

void FillBlock(uint8_t* dst, int32_t stride, uint8_t value) {
    for (int j = 0; j < 8; ++j)
        std::memset(dst + static_cast<size_t>(j) * stride, value, 8);
}

}  // namespace

bool DecodeTexture(StreamReader& r, bool intra, int pos, int32_t* coef, uint8_t* nonzero,
                   int& count, const int32_t* w_times_q, int32_t* sum) {
    int32_t total = 0;
    bool ok;
    if (r.BitOffset() < 8 && r.BytesLeftInWindow() >= WindowBits::kNeeded) {
        const uint8_t* start = r.CurrentPointer();
        WindowBits bits(start, r.BitOffset());
        ok = TextureLoop(bits, intra, pos, coef, nonzero, count, w_times_q, total);
        const size_t read = bits.BitsRead();
        r.MoveWithinWindow(start + read / 8, static_cast<int>(read % 8));
    } else {
        ReaderBits bits{r};
        ok = TextureLoop(bits, intra, pos, coef, nonzero, count, w_times_q, total);
    }
    if (sum) *sum += total;
    return ok;
}

void MacroblockDecoder::Allocate(const LayerParams& layer) {
    mb_width_ = layer.mb_width;
    mb_height_ = layer.mb_height;
    size_t luma = static_cast<size_t>(2 * mb_height_ + 1) * (2 * mb_width_ + 1);
    size_t chroma = static_cast<size_t>(mb_height_ + 1) * (mb_width_ + 1);
    dc_luma_.assign(luma, kDcReset);
    dc_chroma_[0].assign(chroma, kDcReset);
    dc_chroma_[1].assign(chroma, kDcReset);
    vectors_.assign(static_cast<size_t>(mb_width_) + 1, kUnavailableVector);
    same_.assign(static_cast<size_t>(mb_width_) * mb_height_, 0);
    std::memset(blocks_, 0, sizeof blocks_);
    dequant_ = DequantTables{};
}

void MacroblockDecoder::ResetDcPredictors(int32_t row, int32_t col) {
    // The four luma blocks: two side by side in two block rows.
    int32_t* top = &LumaDc(2 * row, 2 * col);
    int32_t* bottom = &LumaDc(2 * row + 1, 2 * col);
    top[0] = top[1] = bottom[0] = bottom[1] = kDcReset;
    ChromaDc(0, row, col) = kDcReset;
    ChromaDc(1, row, col) = kDcReset;
}

bool MacroblockDecoder::DecodeHeader(StreamReader& r, const VopParams& vop, Header& h) {
    const VlcTables& t = Tables();
    bool p_vop = vop.vop_type == kVopP;
    int32_t v;
    do {
        v = p_vop ? DecodeVlc(r, t.mcbpc_inter, McbpcInterRows())
                  : DecodeVlc(r, t.mcbpc_intra, McbpcIntraRows());
        if (v < 0) return false;
    } while ((v & 7) == kMbStuffing);
    h.mb_type = v & 7;
    int cbpc = v >> 3;
    h.intra = h.mb_type == 3 || h.mb_type == 4;
    uint32_t bits;
    if (h.intra && !r.ReadBits(1, bits)) return false;  // ac_pred_flag: AC is never predicted
    int32_t cbpy = DecodeVlc(r, t.cbpy, CbpyRows());
    if (cbpy < 0) return false;
    if (!h.intra) cbpy = 15 - cbpy;
    if (h.mb_type == 1 || h.mb_type == 4) {
        static constexpr int32_t kDquant[4] = {-1, -2, 1, 2};
        if (!r.ReadBits(2, bits)) return false;
        // Held in 1..31: a quantiser outside it has no meaning and would break the DC scalers.
        quantiser_ = std::clamp(quantiser_ + kDquant[bits], 1, 31);
    }
    h.cbp = (cbpy << 2) | cbpc;
    return true;
}

MacroblockDecoder::BlockTarget MacroblockDecoder::TargetOf(int k, int32_t row, int32_t col,
                                                           FrameBuffers& frames, bool inter) {
    YuvPicture& cur = frames.Current();
    const int32_t ls = frames.LumaStride(), cs = frames.ChromaStride();
    if (k < 4)
        return {cur.y.data() + static_cast<size_t>(16 * row + 8 * (k >> 1)) * ls + 16 * col +
                    8 * (k & 1),
                ls, inter ? pred_y_ + 16 * 8 * (k >> 1) + 8 * (k & 1) : nullptr, 16};
    return {(k == 4 ? cur.u : cur.v).data() + static_cast<size_t>(8 * row) * cs + 8 * col, cs,
            inter ? (k == 4 ? pred_u_ : pred_v_) : nullptr, 8};
}

void MacroblockDecoder::Write(int k, const BlockTarget& t, const int16_t* samples) {
    Block& b = blocks_[k];
    b.coef[0] = 0;
    for (int i = 0; i < b.count; ++i)
        b.coef[b.nonzero[i]] = 0;
    if (k >= 4 && force_grey)
        FillBlock(t.dst, t.stride, 128);
    else
        StoreBlock(t.dst, t.stride, samples, t.pred, t.pred_stride);
}

void MacroblockDecoder::Reconstruct(int k, const BlockTarget* targets, int& pending) {
    if (pending < 0) {
        pending = k;
        return;
    }
    int16_t first[64], second[64];
    InverseDctPair(blocks_[pending].coef, blocks_[k].coef, first, second);
    Write(pending, targets[pending], first);
    Write(k, targets[k], second);
    pending = -1;
}

void MacroblockDecoder::ReconstructPending(const BlockTarget* targets, int& pending) {
    if (pending < 0) return;
    int16_t samples[64];
    InverseDct(blocks_[pending].coef, samples);
    Write(pending, targets[pending], samples);
    pending = -1;
}

bool MacroblockDecoder::DecodeIntraMacroblock(StreamReader& r, const VopParams& vop,
                                              const Header& h, int32_t row, int32_t col,
                                              FrameBuffers& frames) {
    const int32_t thr = vop.intra_dc_threshold;
    const bool dc_vlc = thr == 0 || (thr != 999 && quantiser_ < thr);
    dequant_.BuildIfChanged(quantiser_);
    BlockTarget targets[6];
    int pending = -1;
    for (int k = 0; k < 6; ++k) {
        targets[k] = TargetOf(k, row, col, frames, false);
        Block& b = blocks_[k];
        b.count = 0;
        const bool chroma = k >= 4;
        int pos = 0;
        int32_t sum = 0;
        if (dc_vlc) {
            pos = 1;
            if (!DecodeDcDifferential(r, chroma, b.coef[0])) {
                ReconstructPending(targets, pending);
                return false;
            }
        }
        if (((h.cbp >> (5 - k)) & 1) &&
            !DecodeTexture(r, true, pos, b.coef, b.nonzero, b.count, dequant_.intra, &sum)) {
            ReconstructPending(targets, pending);
            return false;
        }
        // DC prediction from the left (A), above-left (B) and above (C) blocks, 7.4.3.1.
        int32_t* store;
        int32_t fa, fb, fc;
        if (!chroma) {
            int32_t by = 2 * row + (k >> 1), bx = 2 * col + (k & 1);
            fa = LumaDc(by, bx - 1);
            fb = LumaDc(by - 1, bx - 1);
            fc = LumaDc(by - 1, bx);
            store = &LumaDc(by, bx);
        } else {
            int p = k - 4;
            fa = ChromaDc(p, row, col - 1);
            fb = ChromaDc(p, row - 1, col - 1);
            fc = ChromaDc(p, row - 1, col);
            store = &ChromaDc(p, row, col);
        }
        int32_t scaler = chroma ? dequant_.chroma_dc_scaler : dequant_.luma_dc_scaler;
        int32_t f = std::abs(fa - fb) < std::abs(fb - fc) ? fc : fa;
        b.coef[0] += (f + scaler / 2) / scaler;
        *store = b.coef[0] * scaler;
        FinishDequantisation(b.coef, b.nonzero, b.count, sum, true, chroma, dequant_);
        Reconstruct(k, targets, pending);
    }
    ReconstructPending(targets, pending);
    return true;
}

bool MacroblockDecoder::DecodeInterMacroblock(StreamReader& r, const VopParams&, const Header& h,
                                              int32_t row, int32_t col, MotionVector mv,
                                              FrameBuffers& frames) {
    YuvPicture& ref = frames.Reference();
    const int32_t ls = frames.LumaStride(), cs = frames.ChromaStride();
    PlaneView ry{ref.y.data(), ls, frames.LumaRows()};
    PlaneView ru{ref.u.data(), cs, frames.ChromaRows()};
    PlaneView rv{ref.v.data(), cs, frames.ChromaRows()};
    PredictMacroblock(row, col, mb_width_, mb_height_, ry, ru, rv, mv, pred_y_, pred_u_, pred_v_);
    ++stats.inter;
    if ((mv.x & 1) || (mv.y & 1)) ++stats.half_sample_vectors;
    const int32_t hx = mv.x / 2, hy = mv.y / 2;
    if ((row == 0 && hy < 0) || (row == mb_height_ - 1 && hy > 0) || (col == 0 && hx < 0) ||
        (col == mb_width_ - 1 && hx > 0))
        ++stats.edge_cut_vectors;
    dequant_.BuildIfChanged(quantiser_);
    BlockTarget targets[6];
    int pending = -1;
    for (int k = 0; k < 6; ++k) {
        const BlockTarget& t = targets[k] = TargetOf(k, row, col, frames, true);
        if (!((h.cbp >> (5 - k)) & 1)) {
            if (k >= 4 && force_grey)
                FillBlock(t.dst, t.stride, 128);
            else
                CopyBlock<8>(t.dst, t.stride, t.pred, t.pred_stride);
            continue;
        }
        Block& b = blocks_[k];
        b.count = 0;
        int32_t sum = 0;
        if (!DecodeTexture(r, false, 0, b.coef, b.nonzero, b.count, dequant_.inter, &sum)) {
            ReconstructPending(targets, pending);
            return false;
        }
        // The texture loop leaves a DC coefficient unlisted; list it to be cleared after use.
        if (b.coef[0] != 0) b.nonzero[b.count++] = 0;
        FinishDequantisation(b.coef, b.nonzero, b.count, sum, false, k >= 4, dequant_);
        Reconstruct(k, targets, pending);
    }
    ReconstructPending(targets, pending);
    ResetDcPredictors(row, col);
    return true;
}

void MacroblockDecoder::CopyCoLocated(int32_t row, int32_t col, FrameBuffers& frames) {
    ResetDcPredictors(row, col);
    uint8_t& same = same_[static_cast<size_t>(row) * mb_width_ + col];
    if (same && !force_grey) return;
    // Grey chroma may differ from the reference's, so the pictures are only known equal after a
    // plain copy.
    same = !force_grey;
    YuvPicture& ref = frames.Reference();
    YuvPicture& cur = frames.Current();
    const int32_t ls = frames.LumaStride(), cs = frames.ChromaStride();
    size_t y_off = static_cast<size_t>(16 * row) * ls + 16 * col;
    size_t c_off = static_cast<size_t>(8 * row) * cs + 8 * col;
    CopyBlock<16>(cur.y.data() + y_off, ls, ref.y.data() + y_off, ls);
    if (force_grey) {
        FillBlock(cur.u.data() + c_off, cs, 128);
        FillBlock(cur.v.data() + c_off, cs, 128);
    } else {
        CopyBlock<8>(cur.u.data() + c_off, cs, ref.u.data() + c_off, cs);
        CopyBlock<8>(cur.v.data() + c_off, cs, ref.v.data() + c_off, cs);
    }
}

bool MacroblockDecoder::DecodeMacroblocks(StreamReader& r, const LayerParams& layer, VopParams& vop,
                                          FrameBuffers& frames) {
    stats = Stats{};
    if (layer.mb_width > kMaxMbWidth || layer.mb_width != mb_width_ ||
        layer.mb_height != mb_height_ || !frames.Allocated())
        return false;
    // Only I- and P-VOPs are decoded; the cameras write no B-VOPs.
    if (vop.vop_type != kVopI && vop.vop_type != kVopP) return false;
    const bool p_vop = vop.vop_type == kVopP;
    quantiser_ = std::clamp(vop.quantiser, 1, 31);
    if (p_vop) std::fill(vectors_.begin(), vectors_.end(), kUnavailableVector);
    bool ok = true;
    for (int32_t row = 0; row < mb_height_ && ok; ++row) {
        for (int32_t col = 0; col < mb_width_; ++col) {
            if (p_vop) {
                uint32_t not_coded;
                if (!r.ReadBits(1, not_coded)) {
                    ok = false;
                    break;
                }
                if (not_coded) {
                    CopyCoLocated(row, col, frames);
                    vectors_[col] = MotionVector{};
                    ++stats.macroblocks;
                    continue;
                }
            }
            same_[static_cast<size_t>(row) * mb_width_ + col] = 0;
            Header h;
            if (!DecodeHeader(r, vop, h)) {
                ok = false;
                break;
            }
            if (h.intra) {
                if (p_vop) vectors_[col] = MotionVector{};
                ok = DecodeIntraMacroblock(r, vop, h, row, col, frames);
            } else {
                // Four vectors per macroblock are outside what the cameras write.
                MotionVector mv;
                ok = h.mb_type != 2 &&
                     DecodeMotionVector(r, vop.r_size, vectors_.data(), col, mv) &&
                     DecodeInterMacroblock(r, vop, h, row, col, mv, frames);
            }
            if (!ok) break;
            ++stats.macroblocks;
        }
    }
    if (!ok) std::memset(blocks_, 0, sizeof blocks_);  // no coefficients left over
    vop.quantiser = quantiser_;
    return ok;
}

}  // namespace qv::mpeg4

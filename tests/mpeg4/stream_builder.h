// Builds small camera streams bit by bit for the tests: the four headers with any field
// changeable, VOP headers, and macroblocks whose decoded samples are known.
#pragma once

#include <cstdint>
#include <vector>

#include "m4v_fixtures/bit_writer.h"
#include "m4v_fixtures/stream_rewrite.h"

namespace qv::testing {

struct VolFields {
    int width = 16, height = 16;
    uint32_t resolution = 30;
    uint32_t object_type = 1;
    uint32_t aspect = 1;
    bool vbv = false;
    uint32_t fixed_vop_rate = 0, interlaced = 0, sprite = 0, not_8_bit = 0, quant_type = 0;
    uint32_t complexity_disable = 1, resync_disable = 1, partitioned = 0, scalability = 0;
    uint32_t profile = 0x01;
};

inline std::vector<uint8_t> Headers(const VolFields& f = {}) {
    fixtures::BitWriter w;
    w.StartCode(0xB0);
    w.Put(f.profile, 8);
    w.StartCode(0xB5);
    w.Put(0, 1);
    w.Put(1, 4);
    w.Put(0, 1);
    w.Stuff();
    w.StartCode(0x00);
    w.StartCode(0x20);
    w.Put(0, 1);
    w.Put(f.object_type, 8);
    w.Put(0, 1);
    w.Put(f.aspect, 4);
    w.Put(f.vbv ? 1 : 0, 1);
    if (f.vbv) {
        w.Put(1, 2);
        w.Put(1, 1);
        w.Put(1, 1);
        for (int n : {15, 1, 15, 1, 15, 1, 3, 11, 1, 15, 1})
            w.Put(n == 1 ? 1 : 0x5A5A & ((1u << n) - 1), n);
    }
    w.Put(0, 2);
    w.Put(1, 1);
    w.Put(f.resolution, 16);
    w.Put(1, 1);
    w.Put(f.fixed_vop_rate, 1);
    w.Put(1, 1);
    w.Put(static_cast<uint32_t>(f.width), 13);
    w.Put(1, 1);
    w.Put(static_cast<uint32_t>(f.height), 13);
    w.Put(1, 1);
    w.Put(f.interlaced, 1);
    w.Put(1, 1);
    w.Put(f.sprite, 1);
    w.Put(f.not_8_bit, 1);
    w.Put(f.quant_type, 1);
    w.Put(f.complexity_disable, 1);
    w.Put(f.resync_disable, 1);
    w.Put(f.partitioned, 1);
    w.Put(f.scalability, 1);
    w.Stuff();
    return w.Bytes();
}

// VOP header up to vop_quant (and vop_fcode_forward for P-VOPs), written into w.
inline void VopHeader(fixtures::BitWriter& w, int type, uint32_t quant, bool coded = true,
                      uint32_t dc_thr = 0, uint32_t fcode = 1, int time_bits = 5) {
    w.StartCode(0xB6);
    w.Put(static_cast<uint32_t>(type), 2);
    w.Put(0, 1);  // modulo_time_base
    w.Put(1, 1);
    w.Put(3, time_bits);
    w.Put(1, 1);
    w.Put(coded ? 1 : 0, 1);
    if (!coded) return;
    if (type == 1) w.Put(0, 1);
    w.Put(dc_thr, 3);
    w.Put(quant, 5);
    if (type != 0) w.Put(fcode, 3);
}

// dct_dc_differential for a luma (or chroma) block: size code and bits.
inline void DcDifferential(fixtures::BitWriter& w, int diff, bool chroma) {
    int mag = diff < 0 ? -diff : diff;
    int size = 0;
    while ((1 << size) <= mag)
        ++size;
    static const uint32_t kLuma[][2] = {{3, 3}, {3, 2}, {2, 2}, {2, 3}, {1, 3},
                                        {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}};
    static const uint32_t kChroma[][2] = {{3, 2}, {2, 2}, {1, 2}, {1, 3}, {1, 4},
                                          {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}};
    const uint32_t* code = chroma ? kChroma[size] : kLuma[size];
    w.Put(code[0], static_cast<int>(code[1]));
    if (size == 0) return;
    uint32_t bits =
        diff > 0 ? static_cast<uint32_t>(diff) : static_cast<uint32_t>(diff + (1 << size) - 1);
    w.Put(bits, size);
    if (size > 8) w.Put(1, 1);
}

// An intra macroblock of an I-VOP with no AC coefficients (cbpy 0, cbpc 0): only DC
// differentials. With the predictors at their start every sample becomes 8 * dc / 8 where
// dc = 128 + the luma differential (quantiser <= 4: scaler 8).
inline void FlatIntraMacroblock(fixtures::BitWriter& w, int luma_diff, int chroma_diff,
                                bool p_vop = false) {
    if (p_vop) {
        w.Put(0, 1);    // coded
        w.Put(0x3, 5);  // MCBPC P: intra, cbpc 0
    } else {
        w.Put(1, 1);  // MCBPC I: intra, cbpc 0
    }
    w.Put(0, 1);    // ac_pred_flag
    w.Put(0x3, 4);  // CBPY intra value 0
    for (int k = 0; k < 4; ++k)
        DcDifferential(w, k == 0 ? luma_diff : 0, false);
    DcDifferential(w, chroma_diff, true);
    DcDifferential(w, chroma_diff, true);
}

// An I-VOP of flat macroblocks (every block the same level) for a picture of mbs macroblocks.
inline std::vector<uint8_t> FlatIntraVop(int mbs, int luma_diff, int chroma_diff,
                                         uint32_t quant = 2) {
    fixtures::BitWriter w;
    VopHeader(w, 0, quant);
    for (int i = 0; i < mbs; ++i)
        FlatIntraMacroblock(w, i == 0 ? luma_diff : 0, i == 0 ? chroma_diff : 0);
    w.Stuff();
    return w.Bytes();
}

// A P-VOP whose macroblocks are all not coded.
inline std::vector<uint8_t> SkippedPVop(int mbs) {
    fixtures::BitWriter w;
    VopHeader(w, 1, 4);
    for (int i = 0; i < mbs; ++i)
        w.Put(1, 1);
    w.Stuff();
    return w.Bytes();
}

inline void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& b) {
    to.insert(to.end(), b.begin(), b.end());
}

}  // namespace qv::testing

// The macroblock layer of I- and P-VOPs (ISO/IEC 14496-2 6.2.6 to 6.2.8, 7.4): macroblock
// headers, intra DC prediction, texture blocks, inverse quantisation and transform, and
// reconstruction into the current picture on top of the motion-compensated prediction.
#pragma once

#include <cstdint>
#include <vector>

#include "media/mpeg4/dequant.h"
#include "media/mpeg4/frame_buffers.h"
#include "media/mpeg4/motion.h"
#include "media/mpeg4/stream_headers.h"
#include "media/mpeg4/stream_reader.h"

namespace qv::mpeg4 {

// Reads the TCOEF codes of one block (intra or inter table, with the three escape modes) from
// scan position pos on into raster order: coef receives the levels, nonzero their raster
// positions other than 0. False on a bad code, a run past position 63 or the end of the file.
// Given w_times_q (DequantTables' row for the block's kind), the levels are stored dequantised
// (DequantiseLevel; not an intra block's DC, which is predicted first) and their total is added
// to *sum, for FinishDequantisation.
bool DecodeTexture(StreamReader& reader, bool intra, int pos, int32_t* coef, uint8_t* nonzero,
                   int& count, const int32_t* w_times_q = nullptr, int32_t* sum = nullptr);

class MacroblockDecoder {
  public:
    // Sizes the predictor stores for a layer (once per open).
    void Allocate(const LayerParams& layer);

    // Decodes every macroblock of the VOP whose header was just read, in raster order, into
    // frames.Current() (predicting from frames.Reference()). vop.quantiser follows DQUANT. False
    // stops the picture; the macroblocks already written stay.
    bool DecodeMacroblocks(StreamReader& reader, const LayerParams& layer, VopParams& vop,
                           FrameBuffers& frames);

    // When on, every reconstructed macroblock's chroma is written as 128 (a diagnostics switch).
    bool force_grey = false;
    // What the last picture held: its macroblocks, the inter ones among them, and how many of
    // those had a vector with a half-sample component (luma then drops the half) or one that the
    // edge rule cut back.
    struct Stats {
        int32_t macroblocks = 0;
        int32_t inter = 0;
        int32_t half_sample_vectors = 0;
        int32_t edge_cut_vectors = 0;
    };
    Stats stats;

  private:
    struct Header {
        int mb_type = 0;
        int cbp = 0;  // bit 5 = Y0 .. bit 2 = Y3, bit 1 = U, bit 0 = V
        bool intra = false;
    };
    struct Block {
        int32_t coef[64];
        uint8_t nonzero[65];
        int count;
    };

    bool DecodeHeader(StreamReader& r, const VopParams& vop, Header& h);
    bool DecodeIntraMacroblock(StreamReader& r, const VopParams& vop, const Header& h, int32_t row,
                               int32_t col, FrameBuffers& frames);
    bool DecodeInterMacroblock(StreamReader& r, const VopParams& vop, const Header& h, int32_t row,
                               int32_t col, MotionVector mv, FrameBuffers& frames);
    void CopyCoLocated(int32_t row, int32_t col, FrameBuffers& frames);
    // Where block k of the macroblock at (row, col) is written, and its prediction (inter only).
    struct BlockTarget {
        uint8_t* dst;
        int32_t stride;
        const uint8_t* pred;
        int32_t pred_stride;
    };
    BlockTarget TargetOf(int k, int32_t row, int32_t col, FrameBuffers& frames, bool inter);
    // The decoded blocks are transformed two at a time: block k waits in `pending` for the next
    // one, and the pair is transformed together and written. ReconstructPending writes a block
    // left waiting (at the macroblock's end, or before a failure returns, so that what was
    // decoded is written as before). Write clears the block's coefficients.
    void Reconstruct(int k, const BlockTarget* targets, int& pending);
    void ReconstructPending(const BlockTarget* targets, int& pending);
    void Write(int k, const BlockTarget& target, const int16_t* samples);
    void ResetDcPredictors(int32_t row, int32_t col);
    int32_t& LumaDc(int32_t by, int32_t bx) {
        return dc_luma_[static_cast<size_t>(by + 1) * (2 * mb_width_ + 1) + (bx + 1)];
    }
    int32_t& ChromaDc(int plane, int32_t row, int32_t col) {
        return dc_chroma_[plane][static_cast<size_t>(row + 1) * (mb_width_ + 1) + (col + 1)];
    }

    int32_t mb_width_ = 0;
    int32_t mb_height_ = 0;
    int32_t quantiser_ = 1;
    DequantTables dequant_;
    // Dequantised DC values of every block of the picture, with a border row and column of 1024.
    std::vector<int32_t> dc_luma_;
    std::vector<int32_t> dc_chroma_[2];
    std::vector<MotionVector> vectors_;  // mb width + 1 entries
    // Per macroblock: 1 while both pictures hold the same samples there. A macroblock that is
    // not coded copies the reference into the current picture; when the two already agree (it
    // was not coded in the picture before either), the copy is skipped. Static scenes leave most
    // macroblocks so, and the copy is the largest memory traffic of such a picture.
    std::vector<uint8_t> same_;
    Block blocks_[6];
    uint8_t pred_y_[256];
    uint8_t pred_u_[64];
    uint8_t pred_v_[64];
};

}  // namespace qv::mpeg4

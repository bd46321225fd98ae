// The full decode of a frame's scan into the sample planes: Huffman decode, dequantisation and
// inverse transform of every block, with the transform of the active instruction-set target.
#pragma once

#include "media/jpeg/bit_reader.h"
#include "media/jpeg/jpeg_context.h"

namespace qv {

// Decodes the macroblocks (four luma blocks, Cb, Cr) of the scan br reads into ctx's planes.
// Returns 0, or the error that stopped the scan (kScanBadCode or the reader's stop code); the
// blocks of the macroblock where it stopped are stored too.
int DecodeScan(JpgContext& ctx, BitReader& br);

}  // namespace qv

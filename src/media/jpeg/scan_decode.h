// The full decode of a frame's scan into the sample planes: Huffman decode, dequantisation and
// inverse transform of every block, with the transform of the active instruction-set target.
#pragma once

#include "media/jpeg/bit_reader.h"
#include "media/jpeg/jpeg_context.h"
#include "media/picture/picture.h"

namespace qv {

// How a scan decode ended: 0 or the error that stopped it (kScanBadCode or the reader's stop
// code), and the picture rows 0 .. converted - 1 already converted.
struct ScanResult {
    int error;
    int converted;
};

// Decodes the macroblocks (four luma blocks, Cb, Cr) of the scan br reads into ctx's planes, and
// converts each finished row of macroblocks into picture (sized to the planes) while its samples
// are still in the cache. The blocks of the macroblock where an error stopped the scan are
// stored too; that row of macroblocks is left to the caller to convert.
ScanResult DecodeScan(JpgContext& ctx, BitReader& br, Picture& picture);

}  // namespace qv

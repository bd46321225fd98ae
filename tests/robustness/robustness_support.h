// Shared pieces of the bad-input suites: the decoder and reader under test with the state the
// player would share with them, a deterministic random source, and checks that a result is one
// of the documented codes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "media/avi/avi_movie.h"
#include "media/jpeg/jpeg_context.h"
#include "media/jpeg/jpeg_decoder.h"
#include "media/jpeg/jpeg_parser.h"

namespace qv::robustness {

using Bytes = std::vector<uint8_t>;

struct SharedState {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
};

// JpgDecodeFrame: 0, -1 (no scan), -4/-5 (end-of-image check), -6/-7 (no planes, frame size
// differs from the movie's) or a positive scan byte count.
inline bool IsFrameDecodeCode(int r) {
    return r == 0 || r == -1 || (r <= -4 && r >= -7) || r > 0;
}
// JpgParseHeaders: -1 (no SOI), 0 (no scan) or the offset of the scan data inside the limit.
inline bool IsParseCode(int r, size_t limit) {
    return r == -1 || r == 0 || (r > 0 && static_cast<size_t>(r) <= limit);
}
// AviOpen: 0, -1 to -5, or -6 (a picture size the player does not show).
inline bool IsOpenCode(int r) {
    return r <= 0 && r >= -6;
}

// Decodes data (held in a buffer of exactly its size, so any read past the frame's own bytes is
// caught by AddressSanitizer) with the full and the DC-only decode, and checks the codes.
inline void DecodeExactCopy(JpgContext& ctx, const uint8_t* data, size_t size,
                            const std::string& what) {
    const Bytes exact(data, data + size);
    Picture pic;
    pic.Allocate(ctx.Width(), ctx.Height());
    const int full = JpgDecodeFrame(ctx, exact.data(), exact.size(), pic, nullptr, nullptr);
    EXPECT_TRUE(IsFrameDecodeCode(full)) << what << ": JpgDecodeFrame gave " << full;
    const int across = ctx.PaddedWidth() / 8, rows = ctx.PaddedHeight() / 8;
    std::vector<uint8_t> luma(static_cast<size_t>(across) * rows);
    std::vector<int32_t> cb(static_cast<size_t>(across / 2) * (rows / 2)), cr(cb.size());
    const int dc = JpgDecodeDc(ctx, exact.data(), exact.size(), luma.data(), cb.data(), cr.data(),
                               across, rows);
    EXPECT_TRUE(dc == 0 || dc == -1) << what << ": JpgDecodeDc gave " << dc;
}

}  // namespace qv::robustness

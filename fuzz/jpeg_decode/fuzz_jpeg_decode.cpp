// Fuzz target: one camera JPEG frame through the header walk, the full decode and the reduced
// DC decode. The first three input bytes choose the picture size, the decoder switches and the
// instruction set of the hot loops, so that the plain and SSE2 loops meet damaged frames too.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "media/jpeg/jpeg_decoder.h"
#include "media/jpeg/jpeg_parser.h"
#include "media/simd/simd_target.h"

namespace {

class NullLog : public qv::DiagnosticsLog {
  public:
    void Append(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    int width = 8 * (1 + data[0] % 64);
    int height = 8 * (1 + data[1] % 64);
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    switches.cbForceBW = data[2] & 1;
    switches.cbCheckSpuriousEOI = data[2] & 2;
    switches.cbDumpRTCData = true;
    const auto target = static_cast<qv::simd::Target>(std::min(data[2] >> 6, 2));
    if (!qv::simd::ForceTarget(target)) qv::simd::ForceTarget(qv::simd::BestTarget());
    NullLog log;
    qv::JpgContext ctx(metadata, flags, switches, &log);
    if (ctx.AllocatePlanes(width, height) != 0) return 0;
    const uint8_t* jpeg = data + 3;
    size_t n = size - 3;

    int64_t capture_time = 0;
    const uint8_t* event = nullptr;
    qv::JpgParseHeaders(ctx, jpeg, n < qv::kJpgHeaderLimit ? n : qv::kJpgHeaderLimit, true, true,
                        &capture_time, &event);
    if (event) {
        volatile uint8_t first = event[0];
        (void)first;
    }
    qv::Picture picture;
    int32_t interval = 0;
    uint32_t low = 0;
    qv::JpgDecodeFrame(ctx, jpeg, n, picture, &interval, &low);
    int bw = ctx.PaddedWidth() / 8, bh = ctx.PaddedHeight() / 8;
    std::vector<uint8_t> luma(static_cast<size_t>(bw) * bh);
    std::vector<int32_t> cb(luma.size() / 4), cr(luma.size() / 4);
    qv::JpgDecodeDc(ctx, jpeg, n, luma.data(), cb.data(), cr.data(), bw, bh);
    std::string date, text;
    qv::Calendar calendar;
    qv::ClockSources clocks{true, ctx.LastCaptureTime(), &metadata, {}};
    qv::CameraDateTime(clocks, calendar, 0, date, text);
    return 0;
}

// Our decoder against libjpeg-turbo on frames libjpeg-turbo encoded: the full decode must match
// its accurate integer IDCT with nearest-neighbour chroma (PSNR of every channel at least 38 dB)
// and the DC-only decode must match its 1/8-scaled luma within 2 grey levels on average.
#include <gtest/gtest.h>

#include <string>

#include "fixtures/camera_recording.h"
#include "fixtures/reference_decoder.h"
#include "fixtures/synthetic_picture.h"
#include "media/jpeg/jpeg_context.h"
#include "media/jpeg/jpeg_decoder.h"

namespace qv {
namespace {

using fixtures::Bytes;
using fixtures::RgbImage;

struct Case {
    int width, height;
    const char* scene;
    int quality;
};

std::string Name(const Case& c) {
    return std::to_string(c.width) + "x" + std::to_string(c.height) + " " + c.scene + " q" +
           std::to_string(c.quality);
}

RgbImage Picture(const Case& c) {
    const std::string scene = c.scene;
    if (scene == "gradient") return fixtures::GradientPicture(c.width, c.height);
    if (scene == "checker") return fixtures::CheckerPicture(c.width, c.height, 7);
    if (scene == "noise") return fixtures::NoisePicture(c.width, c.height, 17);
    fixtures::SceneOptions o;
    o.frame = 40;
    o.day_fraction = scene == "dusk" ? 0.78 : 0.45;
    return fixtures::TimeLapseScene(c.width, c.height, o);
}

Bytes Frame(const Case& c) {
    fixtures::FrameSegments segs;
    segs.settings = fixtures::CameraSettings{};
    segs.family_text = "Tarkon KMX310";
    segs.capture_time = 25764480000ull;
    segs.event_byte = 0;
    segs.diagnostics = fixtures::DiagnosticsBlock{};
    fixtures::EncodeOptions enc;
    enc.quality = c.quality;
    return fixtures::CameraFrame(Picture(c), segs, enc);
}

class DecoderUnderTest {
  public:
    DecoderUnderTest() : ctx(metadata, flags, switches) {}
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    JpgContext ctx;
};

// The sizes the cameras record, plus widths and heights that are multiples of 8 but not of 16,
// and pictures that stress the AC path (hard edges, noise) and clipping.
const Case kCases[] = {
    {320, 240, "day", 85},       {640, 480, "day", 85},   {1280, 1024, "day", 85},
    {1080, 200, "dusk", 85},     {200, 120, "day", 95},   {320, 240, "gradient", 75},
    {320, 240, "checker", 90},   {320, 240, "noise", 85}, {640, 480, "dusk", 50},
    {1280, 1024, "checker", 95},
};

TEST(DecodeOracle, FullDecodeMatchesLibjpegTurbo) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(Name(c));
        const Bytes jpeg = Frame(c);
        const fixtures::ReferencePicture ref = fixtures::DecodeReference(jpeg);
        ASSERT_TRUE(ref.ok);
        DecoderUnderTest d;
        ASSERT_EQ(d.ctx.AllocatePlanes(c.width, c.height), 0);
        qv::Picture pic;
        pic.Allocate(c.width, c.height);
        ASSERT_EQ(JpgDecodeFrame(d.ctx, jpeg.data(), jpeg.size(), pic, nullptr, nullptr), 0);
        const auto psnr = fixtures::PsnrPerChannel(pic.pixels.data(), pic.Stride(), ref.data.data(),
                                                   ref.width * 3u, c.width, c.height);
        EXPECT_GE(psnr[0], 38.0) << "blue";
        EXPECT_GE(psnr[1], 38.0) << "green";
        EXPECT_GE(psnr[2], 38.0) << "red";
    }
}

TEST(DecodeOracle, DcDecodeMatchesEighthScaleLuma) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(Name(c));
        const Bytes jpeg = Frame(c);
        const fixtures::ReferencePicture ref = fixtures::DecodeReferenceLumaEighth(jpeg);
        ASSERT_TRUE(ref.ok);
        DecoderUnderTest d;
        ASSERT_EQ(d.ctx.AllocatePlanes(c.width, c.height), 0);
        const int across = d.ctx.PaddedWidth() / 8, rows = d.ctx.PaddedHeight() / 8;
        ASSERT_GE(across, ref.width);
        ASSERT_GE(rows, ref.height);
        std::vector<uint8_t> luma(static_cast<size_t>(across) * rows);
        std::vector<int32_t> cb(static_cast<size_t>(across / 2) * (rows / 2));
        std::vector<int32_t> cr(cb.size());
        ASSERT_EQ(JpgDecodeDc(d.ctx, jpeg.data(), jpeg.size(), luma.data(), cb.data(), cr.data(),
                              across, rows),
                  0);
        // Compare the blocks that hold picture; the padding blocks have no counterpart.
        const double mad = fixtures::MeanAbsDifference(luma.data(), across, ref.data.data(),
                                                       ref.width, ref.width, ref.height);
        EXPECT_LE(mad, 2.0);
    }
}

// Decoding the same frames again into the same context gives the same picture: nothing of the
// previous frame leaks into a complete decode.
TEST(DecodeOracle, RepeatedDecodeIsStable) {
    const Case a{640, 480, "day", 85}, b{640, 480, "checker", 90};
    DecoderUnderTest d;
    ASSERT_EQ(d.ctx.AllocatePlanes(640, 480), 0);
    qv::Picture first, again;
    first.Allocate(640, 480);
    again.Allocate(640, 480);
    const Bytes ja = Frame(a), jb = Frame(b);
    ASSERT_EQ(JpgDecodeFrame(d.ctx, ja.data(), ja.size(), first, nullptr, nullptr), 0);
    ASSERT_EQ(JpgDecodeFrame(d.ctx, jb.data(), jb.size(), again, nullptr, nullptr), 0);
    ASSERT_EQ(JpgDecodeFrame(d.ctx, ja.data(), ja.size(), again, nullptr, nullptr), 0);
    EXPECT_EQ(first.pixels, again.pixels);
}

}  // namespace
}  // namespace qv

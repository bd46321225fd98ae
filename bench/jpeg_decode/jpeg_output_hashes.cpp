// Prints one hash per decoded frame (full colour, grey and DC-only) for a fixed set of camera
// frames: time-lapse scenes and noise at several sizes and qualities. Run before and after a
// change to the decoder's inner loops; the output must not change, and must be the same for every
// instruction-set target.
//   qv-jpeg-hashes [plain|sse2|avx2] > hashes.txt
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fixtures/camera_recording.h"
#include "fixtures/synthetic_picture.h"
#include "media/jpeg/jpeg_context.h"
#include "media/jpeg/jpeg_decoder.h"
#include "media/simd/simd_target.h"

namespace {

uint64_t Fnv(const void* data, size_t size, uint64_t h = 1469598103934665603ull) {
    const auto* p = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

void HashFrame(const qv::fixtures::Bytes& jpeg, int width, int height, const char* label) {
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::JpgContext ctx{metadata, flags, switches};
    ctx.AllocatePlanes(width, height);
    qv::Picture pic;
    int full = qv::JpgDecodeFrame(ctx, jpeg.data(), jpeg.size(), pic, nullptr, nullptr);
    uint64_t hf = Fnv(pic.pixels.data(), pic.pixels.size() * sizeof(pic.pixels[0]));
    switches.cbForceBW = true;
    int grey = qv::JpgDecodeFrame(ctx, jpeg.data(), jpeg.size(), pic, nullptr, nullptr);
    uint64_t hg = Fnv(pic.pixels.data(), pic.pixels.size() * sizeof(pic.pixels[0]));
    const int across = ctx.PaddedWidth() / 8, rows = ctx.PaddedHeight() / 8;
    std::vector<uint8_t> luma(static_cast<size_t>(across) * rows);
    std::vector<int32_t> cb(luma.size() / 4), cr(luma.size() / 4);
    int dc = qv::JpgDecodeDc(ctx, jpeg.data(), jpeg.size(), luma.data(), cb.data(), cr.data(),
                             across, rows);
    uint64_t hd = Fnv(luma.data(), luma.size());
    hd = Fnv(cb.data(), cb.size() * 4, hd);
    hd = Fnv(cr.data(), cr.size() * 4, hd);
    std::printf("%-28s %5dx%-5d full %d %016llx grey %d %016llx dc %d %016llx\n", label, width,
                height, full, static_cast<unsigned long long>(hf), grey,
                static_cast<unsigned long long>(hg), dc, static_cast<unsigned long long>(hd));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && !qv::simd::ForceTargetNamed(argv[1])) {
        std::fprintf(stderr, "qv-jpeg-hashes: target %s is unknown or not offered here\n", argv[1]);
        return 1;
    }
    const int sizes[][2] = {{1280, 1024}, {640, 480}, {320, 240}, {176, 144}, {100, 60}, {33, 17}};
    const int qualities[] = {30, 85, 100};
    for (const auto& s : sizes) {
        for (int q : qualities) {
            qv::fixtures::EncodeOptions enc;
            enc.quality = q;
            qv::fixtures::FrameSegments segs;
            segs.settings = qv::fixtures::CameraSettings{};
            segs.capture_time = 25764480000ull;
            for (int frame = 0; frame < 4; ++frame) {
                qv::fixtures::SceneOptions o;
                o.frame = frame * 13;
                o.day_fraction = 0.2 + 0.2 * frame;
                auto jpeg = qv::fixtures::CameraFrame(qv::fixtures::TimeLapseScene(s[0], s[1], o),
                                                      segs, enc);
                char label[64];
                std::snprintf(label, sizeof label, "scene q%d f%d", q, frame);
                HashFrame(jpeg, s[0], s[1], label);
            }
            auto noise = qv::fixtures::CameraFrame(
                qv::fixtures::NoisePicture(s[0], s[1], static_cast<uint32_t>(q)), segs, enc);
            char label[64];
            std::snprintf(label, sizeof label, "noise q%d", q);
            HashFrame(noise, s[0], s[1], label);
        }
    }
    return 0;
}

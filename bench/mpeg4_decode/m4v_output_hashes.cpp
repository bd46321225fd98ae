// Prints one hash per recording and deblocking method over every 24-bit picture the MPEG-4
// decoder makes of the test recordings (tools/m4v_fixtures). Run before and after a change to the
// decoder's loops, and with each instruction-set target: the output must not change.
//   qv-m4v-hashes [plain|sse2|avx2] > hashes.txt
#include <cstdint>
#include <cstdio>
#include <string>

#include "media/mpeg4/stream_decoder.h"
#include "media/simd/simd_target.h"

namespace {

uint64_t Fnv(const void* data, size_t size, uint64_t h) {
    const auto* p = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

void HashRecording(const std::string& name) {
    for (int method = 0; method <= 2; ++method) {
        qv::mpeg4::StreamDecoder d;
        d.deblock_method = method;
        const std::string path = std::string(QV_FIXTURE_DIR) + "/m4v/" + name;
        if (d.OpenStreamFile(path) <= 0) {
            std::printf("%-22s cannot open (make the test fixtures first)\n", name.c_str());
            return;
        }
        qv::Picture picture;
        uint64_t h = 1469598103934665603ull;
        int pictures = 0;
        while (d.DecodeNextFrame(&picture, nullptr, false, nullptr, nullptr, nullptr) >= 0) {
            h = Fnv(picture.pixels.data(), picture.pixels.size(), h);
            ++pictures;
        }
        std::printf("%-22s deblock %d pictures %3d edges %d/%d %016llx\n", name.c_str(), method,
                    pictures, d.deblock_counters.default_mode, d.deblock_counters.dc_offset_mode,
                    static_cast<unsigned long long>(h));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && !qv::simd::ForceTargetNamed(argv[1])) {
        std::fprintf(stderr, "qv-m4v-hashes: target %s is unknown or not offered here\n", argv[1]);
        return 1;
    }
    for (const char* size : {"176x144", "320x240", "640x480", "1280x1024"}) {
        HashRecording(std::string("zero_") + size + ".m4v");
        HashRecording(std::string("pan_") + size + ".m4v");
    }
    HashRecording("edgepan_176x144.m4v");
    HashRecording("tkm_320x240.tkm");
    return 0;
}

// Opens a .m4v/.tkm stream from the input, decodes its pictures with the packets in front of
// them, seeks both ways and decodes again. The first byte picks the window size, so that small
// windows make every read cross window edges, the deblocking method, and the instruction set of
// the hot loops, so that the plain and SSE2 loops meet damaged streams as the AVX2 ones do.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "audio/audio_sink.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/simd/simd_target.h"

namespace {

class NullSink : public qv::audio::AudioSink {
  public:
    int32_t FeedAudioBytes(const uint8_t* bytes, int32_t count) override {
        for (int32_t i = 0; i < count; ++i)
            checksum += bytes[i];
        return 0;
    }
    uint32_t checksum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static constexpr uint32_t kGranules[4] = {7, 64, 4096, 0};
    const uint32_t granule = kGranules[data[0] & 3];
    const int32_t deblock = (data[0] >> 2) % 3;
    const bool header_flag = (data[0] & 0x20) != 0;
    const auto target = static_cast<qv::simd::Target>(std::min(data[0] >> 6, 2));
    if (!qv::simd::ForceTarget(target)) qv::simd::ForceTarget(qv::simd::BestTarget());
    qv::mpeg4::StreamDecoder d(granule);
    d.deblock_method = deblock;
    if (d.OpenStreamMemory(data + 1, size - 1) <= 0) return 0;
    qv::Picture picture;
    picture.Allocate(d.Width(), d.Height());
    NullSink sink;
    int32_t audio = 0, quant = 0;
    uint32_t time = 0;
    for (int i = 0; i < 40; ++i)
        if (d.DecodeNextFrame(i % 3 ? &picture : nullptr, &audio, header_flag, &sink, &time,
                              &quant) < 0)
            break;
    for (int32_t pos : {0, 1, 3}) {
        for (int32_t dir : {1, -1}) {
            if (d.SeekToIntraVop(pos, 1, dir) > 0)
                d.DecodeNextFrame(&picture, &audio, header_flag, &sink, &time, &quant);
        }
    }
    if (d.RewindToFirstVop())
        d.DecodeNextFrame(&picture, nullptr, false, nullptr, nullptr, nullptr);
    return 0;
}

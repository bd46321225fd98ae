// qvplay-cli info for .m4v and .tkm: picture size, file size and what the pictures and the
// packets in front of them hold, found by decoding the whole stream.
#include <cinttypes>
#include <cstdio>

#include "audio/audio_sink.h"
#include "cli/commands.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/recording_kind.h"

namespace qv::cli {

namespace {

class CountingSink : public audio::AudioSink {
  public:
    int32_t FeedAudioBytes(const uint8_t*, int32_t count) override {
        total += static_cast<uint64_t>(count);
        return 0;
    }
    uint64_t total = 0;
};

bool HasOption(const Args& args, const char* name) {
    for (const auto& a : args)
        if (a == name) return true;
    return false;
}

}  // namespace

int InfoStream(const Args& args) {
    std::string path;
    for (const auto& a : args)
        if (!a.empty() && a[0] != '-' && path.empty()) path = a;
    const bool tkm = RecordingKindOf(path) == RecordingKind::Tkm;
    mpeg4::StreamDecoder decoder;
    if (HasOption(args, "--trace")) decoder.log.SetSink(stderr);
    int32_t size_kb = decoder.OpenStreamFile(path);
    if (size_kb <= 0) return Fail("cannot open " + path + ": " + decoder.LastError());
    CountingSink sound;
    int pictures = 0, intra = 0;
    uint32_t first_time = 0, last_time = 0;
    while (true) {
        uint32_t time = 0;
        if (decoder.DecodeNextFrame(nullptr, nullptr, false, &sound, &time, nullptr) < 0) break;
        if (pictures == 0) first_time = time;
        last_time = time;
        ++pictures;
        if (decoder.LastVop().vop_type == mpeg4::kVopI) ++intra;
    }
    const char* kind = tkm ? "tkm" : "m4v";
    if (HasOption(args, "--json")) {
        std::printf(
            "{\"kind\": \"%s\", \"width\": %d, \"height\": %d, \"size_kb\": %d, "
            "\"pictures\": %d, \"intra_pictures\": %d",
            kind, decoder.Width(), decoder.Height(), size_kb, pictures, intra);
        if (tkm)
            std::printf(", \"first_time\": %u, \"last_time\": %u, \"audio_bytes\": %" PRIu64,
                        first_time, last_time, sound.total);
        std::printf("}\n");
    } else {
        std::printf(
            "kind: %s\nwidth: %d\nheight: %d\nsize_kb: %d\npictures: %d\n"
            "intra_pictures: %d\n",
            kind, decoder.Width(), decoder.Height(), size_kb, pictures, intra);
        if (tkm)
            std::printf("first_time: %u\nlast_time: %u\naudio_bytes: %" PRIu64 "\n", first_time,
                        last_time, sound.total);
    }
    return 0;
}

}  // namespace qv::cli

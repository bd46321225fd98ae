// qvplay-cli audio: the sound of a .tkm recording as a WAV file, decoded to 16-bit PCM or (with
// --adpcm) kept as the camera's IMA ADPCM blocks, so it can be listened to with any other program.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "audio/audio_sink.h"
#include "audio/ima_adpcm.h"
#include "audio/wav_writer.h"
#include "audio/wave_format.h"
#include "cli/avi_session.h"
#include "media/mpeg4/stream_decoder.h"
#include "media/recording_kind.h"

namespace qv::cli {

namespace {

// Takes the stream's sound bytes in order and writes them, decoded or as they are.
class WavSink final : public audio::AudioSink {
  public:
    WavSink(audio::WavWriter& writer, bool keep_adpcm)
        : writer_(writer), keep_adpcm_(keep_adpcm), blocks_(audio::TkmSoundFormat().block_align) {}

    int32_t FeedAudioBytes(const uint8_t* bytes, int32_t count) override {
        if (count <= 0 || !ok_) return 0;
        sound_bytes += static_cast<uint64_t>(count);
        if (keep_adpcm_) {
            ok_ = writer_.Write(bytes, static_cast<size_t>(count));
            return 0;
        }
        size_t taken = 0;
        while (ok_ && taken < static_cast<size_t>(count)) {
            taken += blocks_.Take(bytes + taken, static_cast<size_t>(count) - taken);
            WriteBlock();
        }
        return 0;
    }
    // Decodes a short last block, as the sound output would play it.
    bool Finish() {
        if (!keep_adpcm_ && ok_ && blocks_.FlushPartial()) WriteBlock();
        return ok_;
    }

    uint64_t sound_bytes = 0;

  private:
    void WriteBlock() {
        if (!blocks_.HasBlock()) return;
        // WAVE samples are little-endian, as on every machine this runs on.
        ok_ = writer_.Write(blocks_.Samples(), blocks_.SampleCount() * sizeof(int16_t));
        blocks_.ReleaseBlock();
    }

    audio::WavWriter& writer_;
    bool keep_adpcm_;
    bool ok_ = true;
    audio::ImaBlockAssembler blocks_;
};

struct AudioOptions {
    std::string input;
    std::string output;
    bool adpcm = false;
};

bool ParseOptions(const Args& args, AudioOptions& o, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (i + 1 >= args.size()) return error = "-o needs a file name", false;
            o.output = args[++i];
        } else if (a == "--adpcm") {
            o.adpcm = true;
        } else if (!a.empty() && a[0] == '-') {
            return error = "unknown option " + a, false;
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            return error = "more than one recording named", false;
        }
    }
    if (o.input.empty()) return error = "no recording named", false;
    if (o.output.empty()) return error = "no output named (-o OUT.wav)", false;
    return true;
}

}  // namespace

int AudioTkm(const Args& args) {
    AudioOptions o;
    std::string error;
    if (!ParseOptions(args, o, error)) return Fail(error);
    if (RecordingKindOf(o.input) != RecordingKind::Tkm)
        return Fail("only .tkm recordings carry sound: " + o.input);

    mpeg4::StreamDecoder decoder;
    if (decoder.OpenStreamFile(o.input) <= 0)
        return Fail("cannot open " + o.input + ": " + decoder.LastError());
    const audio::WaveFormat sound = audio::TkmSoundFormat();
    audio::WavWriter writer;
    if (!writer.Create(o.output,
                       o.adpcm ? sound : audio::Pcm16Format(sound.channels, sound.samples_per_sec)))
        return Fail("cannot write " + o.output + ": " + platform::ErrorReason(writer.LastError()));

    // The sound in front of every picture, up to the last picture playback would show.
    WavSink sink(writer, o.adpcm);
    int pictures = 0;
    while (decoder.DecodeNextFrame(nullptr, nullptr, false, &sink, nullptr, nullptr) >= 0)
        ++pictures;
    if (!sink.Finish() || !writer.Finish()) {
        const std::string why = writer.LastError();
        writer.Abandon();
        return Fail("cannot write " + o.output + ": " + why);
    }
    const uint64_t samples = o.adpcm ? writer.SampleFrames() : writer.DataBytes() / 2;
    std::printf("pictures: %d\nsound_bytes: %" PRIu64 "\nsamples: %" PRIu64 "\nseconds: %.3f\n",
                pictures, sink.sound_bytes, samples, double(samples) / sound.samples_per_sec);
    return 0;
}

}  // namespace qv::cli

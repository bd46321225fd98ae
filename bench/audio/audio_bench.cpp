// Speed of the sound path: decoding IMA ADPCM blocks (the work the sound backend does per buffer)
// and one notice's worth of slot work on the user-interface thread.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "audio/audio_out.h"
#include "audio/ima_adpcm.h"

namespace {

using namespace qv::audio;

std::vector<uint8_t> Noise(size_t n) {
    std::vector<uint8_t> v(n);
    uint32_t x = 7;
    for (auto& b : v) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return v;
}

void BM_DecodeImaBlocks(benchmark::State& state) {
    const auto data = Noise(128 * 64);
    int16_t pcm[249];
    for (auto _ : state) {
        for (size_t at = 0; at < data.size(); at += 128)
            benchmark::DoNotOptimize(DecodeImaBlock(data.data() + at, 128, pcm));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
    // Real-time factor: seconds of camera sound decoded per second of work.
    state.counters["x_realtime"] = benchmark::Counter(
        double(state.iterations()) * 64 * 249 / 16000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeImaBlocks);

class AcceptAll final : public WaveOut {
  public:
    WaveResult Prepare(WaveHeader& h) override { return PrepareHeader(h); }
    WaveResult Unprepare(WaveHeader& h) override { return UnprepareHeader(h); }
    WaveResult Write(WaveHeader& h) override {
        WaveResult r = BeginWrite(h);
        if (r == WaveResult::Ok) FinishHeader(h);
        return r;
    }
    const char* Name() const override { return "bench"; }
};
class Devices final : public WaveOutDevices {
  public:
    std::unique_ptr<WaveOut> Open(const WaveFormat&, WaveOutClient&) override {
        return std::make_unique<AcceptAll>();
    }
};
class NoPoster final : public AudioNoticePoster {
  public:
    void PostAudioNotice(int32_t) override {}
    void PostSlotReset() override {}
};

void BM_NoticeSubmitAndFill(benchmark::State& state) {
    Devices devices;
    NoPoster poster;
    AudioOut out(devices, poster, nullptr);
    out.OpenAudio();
    const auto data = Noise(512);
    for (int i = 0; i < 8; ++i)
        out.FeedAudioBytes(data.data(), 512);
    out.StartAudio(5, 3);
    for (auto _ : state) {
        out.FeedAudioBytes(data.data(), 512);
        out.SubmitNextAudioSlot();
        out.FillAudioSlots();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 512);
}
BENCHMARK(BM_NoticeSubmitAndFill);

}  // namespace

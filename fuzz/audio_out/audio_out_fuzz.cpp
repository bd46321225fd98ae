// Drives the sound output with arbitrary sound bytes and an arbitrary order of feeding, starting,
// stopping, filling and notices, with a device that finishes buffers when told; and decodes the
// same bytes as IMA ADPCM blocks of every size. Nothing may read or write out of bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "audio/audio_out.h"
#include "audio/ima_adpcm.h"

namespace {

using namespace qv::audio;

class QueueDevice final : public WaveOut {
  public:
    explicit QueueDevice(WaveOutClient& client) : client_(client) {}
    WaveResult Prepare(WaveHeader& h) override { return PrepareHeader(h); }
    WaveResult Unprepare(WaveHeader& h) override { return UnprepareHeader(h); }
    WaveResult Write(WaveHeader& h) override {
        WaveResult r = BeginWrite(h);
        if (r == WaveResult::Ok) queued_.push_back(&h);
        return r;
    }
    const char* Name() const override { return "fuzz"; }
    void FinishOne() {
        if (queued_.empty()) return;
        WaveHeader* h = queued_.front();
        queued_.pop_front();
        // Touch every byte the device was given, as a sound card would.
        volatile uint8_t sum = 0;
        for (uint32_t i = 0; i < h->buffer_length; ++i)
            sum = sum + h->data[i];
        FinishHeader(*h);
        client_.OnWaveMessage(kWaveOutDone, h);
    }

  private:
    WaveOutClient& client_;
    std::deque<WaveHeader*> queued_;
};

class Devices final : public WaveOutDevices {
  public:
    std::unique_ptr<WaveOut> Open(const WaveFormat&, WaveOutClient& client) override {
        auto d = std::make_unique<QueueDevice>(client);
        last = d.get();
        return d;
    }
    QueueDevice* last = nullptr;
};

class Poster final : public AudioNoticePoster {
  public:
    void PostAudioNotice(int32_t param) override { notices.push_back(param); }
    void PostSlotReset() override { notices.push_back(-1); }
    std::deque<int32_t> notices;
};

class Pacer final : public AudioFramePacer {
  public:
    int32_t bytes = 1;
    int32_t AudioBytesForShownPicture() override { return bytes; }
    void NextTkmPicture() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int16_t pcm[ImaBlockAssembler::kMaxBlockSamples];
    if (size > 0) {
        const size_t block = 1 + data[0] * 8;
        for (size_t at = 1; at < size; at += block)
            DecodeImaBlock(data + at, std::min(block, size - at), pcm);
    }

    Devices devices;
    Poster poster;
    Pacer pacer;
    AudioOut out(devices, poster, &pacer);
    if (!out.OpenAudio()) return 0;
    // Enough sound to wrap the ring eight times; more only makes an input slower, not different.
    size_t feed_budget = 8 * AudioOut::kRingBytes;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const uint8_t op = data[i], arg = data[i + 1];
        switch (op % 8) {
            case 0: {
                const size_t n = std::min({size - i, size_t{arg} * 64, feed_budget});
                feed_budget -= n;
                out.FeedAudioBytes(data + i, static_cast<int32_t>(n));
                break;
            }
            case 1:
                out.StartAudio(arg % 20 - 2, arg / 20 - 2);
                break;
            case 2:
                out.StopAudio();
                break;
            case 3:
                out.FillAudioSlots();
                break;
            case 4:
                out.SubmitNextAudioSlot();
                break;
            case 5:
                devices.last->FinishOne();
                break;
            case 6:
                while (!poster.notices.empty()) {
                    const int32_t n = poster.notices.front();
                    poster.notices.pop_front();
                    if (n == kNoticeBufferDone) {
                        out.SubmitNextAudioSlot();
                        out.FillAudioSlots();
                    } else if (n < 0) {
                        out.ResetSlotsAfterStop();
                    }
                }
                break;
            case 7:
                pacer.bytes = arg - 16;
                break;
        }
    }
    out.CloseAudio();
    return 0;
}

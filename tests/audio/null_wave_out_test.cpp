#include "audio/null_wave_out.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "audio/audio_fakes.h"
#include "audio/audio_out.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;

// Notes the clock's reading at every "done" notice.
class TimingClient final : public WaveOutClient {
  public:
    explicit TimingClient(AudioClock& clock) : clock_(clock) {}
    void OnWaveMessage(uint32_t message, WaveHeader* h) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (message == kWaveOutDone) done_.push_back({h, clock_.NowNs()});
        cv_.notify_all();
    }
    bool WaitFor(size_t n) {
        std::unique_lock<std::mutex> lock(mutex_);
        return cv_.wait_for(lock, std::chrono::seconds(10), [&] { return done_.size() >= n; });
    }
    struct Done {
        WaveHeader* header;
        int64_t at_ns;
    };
    std::vector<Done> done_;

  private:
    AudioClock& clock_;
    std::mutex mutex_;
    std::condition_variable cv_;
};

TEST(NullWaveOut, FinishesEachBufferWhenItsBytesWouldHavePlayed) {
    SteppedClock clock;
    TimingClient client(clock);
    const auto bytes = PatternBytes(1000);
    WaveHeader h[3];
    const uint32_t lengths[3] = {512, 128, 300};
    {
        NullWaveOut device(TkmSoundFormat(), client, clock);
        for (int i = 0; i < 3; ++i) {
            h[i].data = bytes.data();
            h[i].buffer_length = lengths[i];
            ASSERT_EQ(device.Prepare(h[i]), WaveResult::Ok);
            ASSERT_EQ(device.Write(h[i]), WaveResult::Ok);
        }
        EXPECT_EQ(device.Write(h[0]), WaveResult::StillPlaying);
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(clock.AdvanceToNextDeadline());
        ASSERT_TRUE(client.WaitFor(3));
    }
    double played = 0;
    for (int i = 0; i < 3; ++i) {
        played += lengths[i];
        EXPECT_EQ(client.done_[i].header, &h[i]);
        EXPECT_NEAR(double(client.done_[i].at_ns), played / 8110.0 * 1e9, 2.0) << i;
        EXPECT_EQ(h[i].flags.load() & (kHeaderDone | kHeaderInQueue), kHeaderDone);
    }
}

TEST(NullWaveOut, ClosingWithQueuedBuffersReturnsThemUnplayed) {
    FrozenClock clock;
    TimingClient client(clock);
    const auto bytes = PatternBytes(512);
    WaveHeader h;
    h.data = bytes.data();
    h.buffer_length = 512;
    {
        NullWaveOut device(TkmSoundFormat(), client, clock);
        device.Prepare(h);
        ASSERT_EQ(device.Write(h), WaveResult::Ok);
        EXPECT_EQ(device.Unprepare(h), WaveResult::StillPlaying);
    }
    EXPECT_TRUE(client.done_.empty());
    EXPECT_EQ(h.flags.load() & kHeaderInQueue, 0u);
}

TEST(NullWaveOut, WriteNeedsAPreparedHeaderAndRoomInTheQueue) {
    FrozenClock clock;
    TimingClient client(clock);
    // The headers outlive the device, as the caller's slots do.
    const uint8_t byte = 0;
    WaveHeader unprepared;
    unprepared.data = &byte;
    unprepared.buffer_length = 1;
    std::vector<WaveHeader> many(NullWaveOut::kMaxQueued + 1);
    NullWaveOut device(TkmSoundFormat(), client, clock);
    EXPECT_EQ(device.Write(unprepared), WaveResult::Unprepared);
    for (size_t i = 0; i < many.size(); ++i) {
        many[i].data = &byte;
        many[i].buffer_length = 1;
        device.Prepare(many[i]);
        EXPECT_EQ(device.Write(many[i]),
                  i < NullWaveOut::kMaxQueued ? WaveResult::Ok : WaveResult::Error);
    }
}

TEST(NullWaveOut, ByteRateFollowsTheFormat) {
    EXPECT_DOUBLE_EQ(NullWaveOut::ByteRate(TkmSoundFormat()), 8110.0);
    WaveFormat undeclared = TkmSoundFormat();
    undeclared.avg_bytes_per_sec = 0;
    EXPECT_NEAR(NullWaveOut::ByteRate(undeclared), 16000.0 * 128 / 249, 1e-9);
    EXPECT_DOUBLE_EQ(NullWaveOut::ByteRate(Pcm16Format(1, 16000)), 32000.0);
    EXPECT_GT(NullWaveOut::ByteRate(WaveFormat{}), 0.0);
}

// Counts the sound bytes per picture and feeds the next picture's bytes, like the player.
class StreamPacer final : public AudioFramePacer {
  public:
    explicit StreamPacer(const std::vector<uint8_t>& source) : source_(source) {}
    AudioOut* out = nullptr;
    void Feed() {
        if (pos_ + 540 > source_.size()) return;
        out->FeedAudioBytes(source_.data() + pos_, 540);
        pos_ += 540;
    }
    int32_t AudioBytesForShownPicture() override { return 540; }
    void NextTkmPicture() override {
        ++pictures;
        Feed();
    }
    int pictures = 0;

  private:
    const std::vector<uint8_t>& source_;
    size_t pos_ = 0;
};

// The silent device behind the whole output: ten seconds of stream must come back as notices at
// the stream's byte rate, and the pictures must keep advancing.
class NullDevices final : public WaveOutDevices {
  public:
    explicit NullDevices(AudioClock& clock) : clock_(clock) {}
    std::unique_ptr<WaveOut> Open(const WaveFormat& f, WaveOutClient& c) override {
        return std::make_unique<NullWaveOut>(f, c, clock_);
    }

  private:
    AudioClock& clock_;
};

class TimedPoster final : public AudioNoticePoster {
  public:
    explicit TimedPoster(AudioClock& clock) : clock_(clock) {}
    void PostAudioNotice(int32_t param) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (param == kNoticeBufferDone) {
            ++done;
            last_done_ns = clock_.NowNs();
        } else {
            ++underruns;
        }
        ++pending_;
        cv_.notify_all();
    }
    void PostSlotReset() override {}
    // Waits for the next notice; false when none comes within a (wall clock) while.
    bool TakeDone() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!cv_.wait_for(lock, std::chrono::seconds(5), [&] { return pending_ > 0; }))
            return false;
        --pending_;
        return true;
    }
    int done = 0;
    int underruns = 0;
    int64_t last_done_ns = 0;

  private:
    AudioClock& clock_;
    std::mutex mutex_;
    std::condition_variable cv_;
    int pending_ = 0;
};

TEST(NullWaveOut, TenSecondsOfStreamKeepTheByteRateWithinOnePercent) {
    SteppedClock clock;
    NullDevices devices(clock);
    TimedPoster poster(clock);
    const auto source = PatternBytes(8110 * 12);
    StreamPacer pacer(source);
    AudioOut out(devices, poster, &pacer);
    pacer.out = &out;
    ASSERT_TRUE(out.OpenAudio());
    EXPECT_STREQ(out.DeviceName(), "null");
    for (int i = 0; i < 8; ++i)
        pacer.Feed();
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    const int buffers = 8110 * 10 / 512;
    int handled = 0;
    while (handled < buffers && clock.AdvanceToNextDeadline() && poster.TakeDone()) {
        out.SubmitNextAudioSlot();
        out.FillAudioSlots();
        ++handled;
    }
    out.StopAudio();
    out.CloseAudio();
    ASSERT_EQ(handled, buffers) << "the notices stopped coming";
    EXPECT_EQ(poster.underruns, 0);
    const double seconds = double(poster.last_done_ns) / 1e9;
    const double rate = double(poster.done) * 512 / seconds;
    EXPECT_NEAR(rate, 8110.0, 81.1) << "over " << seconds << " s";
    EXPECT_NEAR(pacer.pictures, (handled - 2) * 512 / 540, 2);
}

}  // namespace

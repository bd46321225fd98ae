// Playing sound must not allocate: every buffer comes from the ring and the slots made at open.
// This program replaces the global allocator to count allocations on every thread.
#include <gtest/gtest.h>

#include "audio/audio_fakes.h"
#include "audio/audio_notice_queue.h"
#include "audio/audio_out.h"
#include "audio/null_wave_out.h"
#include "counting_allocator.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;

// A poster with a fixed queue, as the player's message queue would be.
class FixedPoster final : public AudioNoticePoster {
  public:
    void PostAudioNotice(int32_t param) override { Push(param); }
    void PostSlotReset() override { Push(-1); }
    bool Take(int32_t& out, std::chrono::milliseconds wait = std::chrono::seconds(5)) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!cv_.wait_for(lock, wait, [&] { return count_ > 0; })) return false;
        out = items_[head_];
        head_ = (head_ + 1) % 64;
        --count_;
        return true;
    }

  private:
    void Push(int32_t v) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (count_ < 64) items_[(head_ + count_++) % 64] = v;
        cv_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable cv_;
    int32_t items_[64] = {};
    int head_ = 0;
    int count_ = 0;
};

class Devices final : public WaveOutDevices {
  public:
    explicit Devices(AudioClock& clock) : clock_(clock) {}
    std::unique_ptr<WaveOut> Open(const WaveFormat& f, WaveOutClient& c) override {
        return std::make_unique<NullWaveOut>(f, c, clock_);
    }

  private:
    AudioClock& clock_;
};

class Pacer final : public AudioFramePacer {
  public:
    Pacer(const std::vector<uint8_t>& source, AudioOut& out) : source_(source), out_(out) {}
    void Feed() {
        if (pos_ + 540 > source_.size()) pos_ = 0;
        out_.FeedAudioBytes(source_.data() + pos_, 540);
        pos_ += 540;
    }
    int32_t AudioBytesForShownPicture() override { return 540; }
    void NextTkmPicture() override { Feed(); }

  private:
    const std::vector<uint8_t>& source_;
    AudioOut& out_;
    size_t pos_ = 0;
};

TEST(AudioPlayback, NothingAllocatesWhilePlaying) {
    JumpingClock clock;
    Devices devices(clock);
    FixedPoster poster;
    const auto source = PatternBytes(20000);
    AudioOut out(devices, poster, nullptr);
    Pacer pacer(source, out);
    out.SetFramePacer(&pacer);
    ASSERT_TRUE(out.OpenAudio());

    g_counting = true;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 8; ++i)
            pacer.Feed();
        ASSERT_EQ(out.StartAudio(5, 3), 5);
        int32_t notice;
        for (int handled = 0; handled < 300 && poster.Take(notice);) {
            if (notice == kNoticeBufferDone) {
                out.SubmitNextAudioSlot();
                out.FillAudioSlots();
                ++handled;
            }
        }
        out.StopAudio();
        // The buffers still in the device finish and ask for the slot reset.
        while (poster.Take(notice, std::chrono::milliseconds(100)))
            if (notice == -1) out.ResetSlotsAfterStop();
    }
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0);
    out.CloseAudio();
}

TEST(AudioPlayback, TheNoticeQueueDoesNotAllocate) {
    int wakes = 0;
    AudioNoticeQueue queue([&wakes] { ++wakes; });
    g_counting = true;
    int32_t e;
    for (int i = 0; i < 1000; ++i) {
        queue.PostAudioNotice(kNoticeBufferDone);
        queue.PostSlotReset();
        while (queue.Take(e)) {
        }
    }
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0);
    EXPECT_EQ(wakes, 1000);
}

}  // namespace

#include "audio/audio_out.h"

#include <gtest/gtest.h>

#include <vector>

#include "audio/audio_fakes.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;

// Stands in for the player's pictures: each picture carries a fixed count of sound bytes, and
// showing the next picture decodes one more, whose bytes go into the ring.
class FeedingPacer final : public AudioFramePacer {
  public:
    FeedingPacer(const std::vector<uint8_t>& source, int32_t per_picture)
        : source_(source), per_picture_(per_picture) {}
    void Attach(AudioOut& out) { out_ = &out; }
    // Feeds the sound of the next n pictures.
    void FeedPictures(int n) {
        for (int i = 0; i < n && pos_ < source_.size(); ++i) {
            const size_t take = std::min<size_t>(per_picture_, source_.size() - pos_);
            dropped += out_->FeedAudioBytes(source_.data() + pos_, static_cast<int32_t>(take));
            pos_ += take;
        }
    }
    int32_t AudioBytesForShownPicture() override { return per_picture_; }
    void NextTkmPicture() override {
        ++pictures;
        FeedPictures(1);
    }
    bool Exhausted() const { return pos_ >= source_.size(); }
    int pictures = 0;
    int32_t dropped = 0;

  private:
    const std::vector<uint8_t>& source_;
    int32_t per_picture_;
    size_t pos_ = 0;
    AudioOut* out_ = nullptr;
};

// What the player does with the notices it finds in its queue. Returns the underruns seen.
int HandleNotices(AudioOut& out, RecordingPoster& poster) {
    int underruns = 0;
    int32_t n;
    while (poster.Take(n)) {
        if (n == kNoticeBufferDone) {
            out.SubmitNextAudioSlot();
            out.FillAudioSlots();
        } else if (n == kNoticeUnderrun) {
            ++underruns;
        } else {
            out.ResetSlotsAfterStop();
        }
    }
    return underruns;
}

std::vector<uint8_t> Concat(const std::vector<std::vector<uint8_t>>& parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class AudioOutTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(out.OpenAudio()); }
    FakeWaveOut& device() { return *devices.last; }
    void Feed(const std::vector<uint8_t>& bytes) {
        EXPECT_EQ(out.FeedAudioBytes(bytes.data(), static_cast<int32_t>(bytes.size())), 0);
    }

    FakeDevices devices;
    RecordingPoster poster;
    AudioOut out{devices, poster, nullptr};
};

TEST_F(AudioOutTest, OpensTheDeviceWithTheCameraSoundFormat) {
    EXPECT_EQ(devices.format.format_tag, 0x0011);
    EXPECT_EQ(devices.format.channels, 1);
    EXPECT_EQ(devices.format.samples_per_sec, 16000u);
    EXPECT_EQ(devices.format.avg_bytes_per_sec, 8110u);
    EXPECT_EQ(devices.format.block_align, 128);
    EXPECT_EQ(devices.format.bits_per_sample, 4);
    EXPECT_EQ(devices.format.samples_per_block, 249);
    EXPECT_EQ(out.WriteIndex(), -1);
    EXPECT_EQ(out.FillIndex(), 0);
    EXPECT_EQ(out.RingCount(), 0);
}

TEST_F(AudioOutTest, StartWithOneKilobyteSendsOneSlotAndThenReportsUnderrun) {
    const auto bytes = PatternBytes(1000);
    Feed(bytes);
    EXPECT_EQ(out.StartAudio(5, 3), 1);
    EXPECT_TRUE(out.IsPlaying());
    ASSERT_EQ(device().written.size(), 1u) << "empty slots 1 and 2 are skipped";
    EXPECT_EQ(device().written[0], std::vector<uint8_t>(bytes.begin(), bytes.begin() + 512));
    EXPECT_EQ(out.WriteIndex(), 3);
    EXPECT_EQ(out.FillIndex(), 1);
    EXPECT_EQ(out.RingCount(), 488);

    ASSERT_TRUE(device().CompleteOne());
    int32_t notice = -2;
    ASSERT_TRUE(poster.Take(notice));
    EXPECT_EQ(notice, kNoticeBufferDone);
    out.SubmitNextAudioSlot();
    out.FillAudioSlots();
    EXPECT_EQ(poster.All(), std::vector<int32_t>{kNoticeUnderrun}) << "slot 3 was empty";
    EXPECT_EQ(out.BufferDoneCount(), 1);
    EXPECT_EQ(out.SlotCount(1), 488) << "the rest of the ring waits in slot 1";
    EXPECT_EQ(out.RingCount(), 0);
}

TEST_F(AudioOutTest, RingKeepsTheFirst32768BytesAndReportsTheRestDropped) {
    const auto bytes = PatternBytes(40000);
    EXPECT_EQ(out.FeedAudioBytes(bytes.data(), 40000), 7232);
    EXPECT_EQ(out.RingCount(), 32768);
    const uint8_t more = 1;
    EXPECT_EQ(out.FeedAudioBytes(&more, 1), 1);
    EXPECT_EQ(out.FeedAudioBytes(&more, 0), 0);
    EXPECT_EQ(out.FeedAudioBytes(&more, -5), 0);

    // The ring gives its bytes back in the order they came.
    EXPECT_EQ(out.StartAudio(16, 16), 16);
    std::vector<uint8_t> sent = Concat(device().written);
    ASSERT_EQ(sent.size(), 16u * 512u);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), bytes.begin()));
}

TEST_F(AudioOutTest, SlotCountsBeyondTheTableAreClamped) {
    Feed(PatternBytes(32768));
    EXPECT_EQ(out.StartAudio(100, 100), 16);
    EXPECT_EQ(device().written.size(), 16u);
    EXPECT_EQ(out.WriteIndex(), 0);
    EXPECT_EQ(out.FillIndex(), 0);
}

TEST_F(AudioOutTest, SecondStartWhilePlayingChangesNothing) {
    Feed(PatternBytes(4000));
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    const int32_t ring = out.RingCount(), fill = out.FillIndex(), write = out.WriteIndex();
    EXPECT_EQ(out.StartAudio(5, 3), 0);
    EXPECT_EQ(out.RingCount(), ring);
    EXPECT_EQ(out.FillIndex(), fill);
    EXPECT_EQ(out.WriteIndex(), write);
    EXPECT_EQ(device().written.size(), 3u);
    for (int s = 3; s < 5; ++s)
        EXPECT_EQ(out.SlotCount(s), 512);
}

TEST_F(AudioOutTest, BuffersFinishingAfterStopResetTheSlotTable) {
    Feed(PatternBytes(4000));
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    EXPECT_TRUE(out.StopAudio());
    EXPECT_FALSE(out.IsPlaying());
    EXPECT_EQ(out.RingCount(), 0);
    EXPECT_EQ(device().queued.size(), 3u) << "queued buffers play to their end";

    while (device().CompleteOne()) {
    }
    const std::vector<int32_t> resets(3, RecordingPoster::kReset);
    EXPECT_EQ(poster.All(), resets) << "no buffer-done notice once stopped";
    HandleNotices(out, poster);
    EXPECT_EQ(out.WriteIndex(), -1);
    EXPECT_EQ(out.FillIndex(), 0);
    for (int s = 0; s < AudioOut::kSlotCount; ++s)
        EXPECT_EQ(out.SlotCount(s), 0) << "slot " << s;
}

TEST_F(AudioOutTest, ResetHandledAfterTheNextStartChangesNothing) {
    Feed(PatternBytes(4000));
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    out.StopAudio();
    ASSERT_TRUE(device().CompleteOne());  // posts a reset that waits in the queue
    // The player starts again before it handles the reset.
    Feed(PatternBytes(3000, 7));
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    HandleNotices(out, poster);
    EXPECT_TRUE(out.IsPlaying());
    EXPECT_EQ(out.WriteIndex(), 3);
    EXPECT_EQ(out.FillIndex(), 5);
    EXPECT_EQ(out.SlotCount(3), 512);
    EXPECT_EQ(out.SlotCount(4), 512);
}

TEST_F(AudioOutTest, RestartBeforeTheResetDoesNotReplayOldSlots) {
    // 4 slots and a half-filled one are waiting when playback stops.
    Feed(PatternBytes(4 * 512 + 300));
    ASSERT_EQ(out.StartAudio(5, 3), 4);
    out.FillAudioSlots();
    out.StopAudio();
    while (device().CompleteOne()) {
    }
    // Restarting, before the resets are handled, with one slot's worth sends only the new bytes.
    const auto fresh = PatternBytes(600, 9);
    Feed(fresh);
    const size_t before = device().written.size();
    ASSERT_EQ(out.StartAudio(5, 3), 1);
    ASSERT_EQ(device().written.size(), before + 1);
    EXPECT_TRUE(
        std::equal(device().written.back().begin(), device().written.back().end(), fresh.begin()));
    HandleNotices(out, poster);
    EXPECT_EQ(out.SlotCount(3), 0);
    EXPECT_EQ(out.SlotCount(4), 0);
    EXPECT_EQ(out.WriteIndex(), 3);
}

TEST_F(AudioOutTest, PrepareAndWriteErrorsAreRetriedOnTheNextNotice) {
    Feed(PatternBytes(8 * 512));
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    ASSERT_TRUE(device().CompleteOne());
    poster.Clear();

    device().fail_prepares = 1;
    out.SubmitNextAudioSlot();
    EXPECT_EQ(out.LastSubmitResult(), WaveResult::Error);
    EXPECT_EQ(out.WriteIndex(), 3) << "write index stays on the failed slot";
    EXPECT_EQ(out.SlotCount(3), 512) << "the slot keeps its bytes";

    device().fail_writes = 1;
    out.SubmitNextAudioSlot();
    EXPECT_EQ(out.WriteIndex(), 3);
    EXPECT_EQ(out.SlotCount(3), 512);

    out.SubmitNextAudioSlot();
    EXPECT_EQ(out.LastSubmitResult(), WaveResult::Ok);
    EXPECT_EQ(out.WriteIndex(), 4);
    EXPECT_EQ(out.SlotCount(3), 0);
    ASSERT_EQ(device().written_slots.back(), 3u);
    EXPECT_EQ(out.BufferDoneCount(), 3);
    EXPECT_TRUE(poster.All().empty()) << "a failed submit is not an underrun";
}

TEST_F(AudioOutTest, ASlotStillInTheDeviceIsNotWrittenAgain) {
    Feed(PatternBytes(32768));
    ASSERT_EQ(out.StartAudio(16, 16), 16);
    // All sixteen slots are queued; the next notice comes round to slot 0, still playing.
    out.SubmitNextAudioSlot();
    EXPECT_EQ(out.LastSubmitResult(), WaveResult::StillPlaying);
    EXPECT_EQ(device().written.size(), 16u);
    EXPECT_EQ(out.WriteIndex(), 0);
}

TEST_F(AudioOutTest, EveryByteReachesTheDeviceOnceAndInOrder) {
    const auto source = PatternBytes(150000, 3);
    FeedingPacer pacer(source, 540);
    pacer.Attach(out);
    out.SetFramePacer(&pacer);
    pacer.FeedPictures(8);  // the player decodes eight pictures ahead
    ASSERT_EQ(out.StartAudio(5, 3), 5);
    int early_underruns = 0;
    while (device().CompleteOne()) {
        const bool ending = pacer.Exhausted();
        const int underruns = HandleNotices(out, poster);
        if (!ending) early_underruns += underruns;
    }

    const auto sent = Concat(device().written);
    ASSERT_GE(sent.size(), source.size() - 2 * 512) << "only the last partial slots may wait";
    ASSERT_LE(sent.size(), source.size());
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), source.begin()));
    EXPECT_EQ(pacer.dropped, 0);
    EXPECT_EQ(early_underruns, 0) << "underruns only where the stream ends";
    // Every 540 bytes moved into the slots showed a picture.
    const int moved = static_cast<int>(source.size()) - 5 * 512 - out.RingCount();
    EXPECT_EQ(pacer.pictures, moved / 540);
}

TEST_F(AudioOutTest, AHalfFullSlotSentToTheDeviceIsClosed) {
    const auto source = PatternBytes(4 * 512 + 100 + 1200, 5);
    Feed(std::vector<uint8_t>(source.begin(), source.begin() + 4 * 512 + 100));
    ASSERT_EQ(out.StartAudio(5, 3), 4);
    out.FillAudioSlots();  // the 100 bytes go to slot 4
    EXPECT_EQ(out.SlotCount(4), 100);
    out.SubmitNextAudioSlot();  // slot 3
    out.SubmitNextAudioSlot();  // slot 4, half full
    EXPECT_EQ(device().written.back().size(), 100u);
    EXPECT_EQ(out.FillIndex(), 5) << "later bytes start the next slot";
    Feed(std::vector<uint8_t>(source.begin() + 4 * 512 + 100, source.end()));
    out.FillAudioSlots();
    out.FillAudioSlots();
    out.SubmitNextAudioSlot();
    out.SubmitNextAudioSlot();
    const auto sent = Concat(device().written);
    ASSERT_EQ(sent.size(), source.size() - 176);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), source.begin()));
}

TEST_F(AudioOutTest, PicturesWithoutSoundDoNotStopThePictures) {
    const auto source = PatternBytes(4000);
    FeedingPacer pacer(source, 0);
    pacer.Attach(out);
    out.SetFramePacer(&pacer);
    Feed(PatternBytes(3000));
    ASSERT_EQ(out.StartAudio(2, 1), 2);
    out.FillAudioSlots();
    EXPECT_GT(pacer.pictures, 0);
    EXPECT_EQ(out.FrameByteCounter(), 0);
}

// The last picture of a movie may stop playback or close the movie from inside the fill.
class ClosingPacer final : public AudioFramePacer {
  public:
    AudioOut* out = nullptr;
    bool reopen = false;
    int32_t AudioBytesForShownPicture() override { return 100; }
    void NextTkmPicture() override {
        if (reopen)
            out->OpenAudio();
        else
            out->CloseAudio();
    }
};

TEST(AudioOutPacing, MovieClosedFromThePictureAdvanceEndsTheFill) {
    for (bool reopen : {false, true}) {
        FakeDevices devices;
        RecordingPoster poster;
        ClosingPacer pacer;
        AudioOut out(devices, poster, &pacer);
        pacer.out = &out;
        pacer.reopen = reopen;
        ASSERT_TRUE(out.OpenAudio());
        const auto bytes = PatternBytes(3000);
        out.FeedAudioBytes(bytes.data(), 3000);
        ASSERT_EQ(out.StartAudio(2, 1), 2);
        out.FillAudioSlots();
        EXPECT_EQ(out.IsOpen(), reopen);
        EXPECT_EQ(out.RingCount(), 0);
        EXPECT_EQ(out.SlotCount(out.FillIndex()), 0);
    }
}

TEST(AudioOutDevice, WithoutADeviceTheOutputStillOpensAndDrains) {
    FakeDevices devices;
    devices.available = false;
    RecordingPoster poster;
    AudioOut out(devices, poster, nullptr);
    ASSERT_TRUE(out.OpenAudio());
    EXPECT_FALSE(out.HasDevice());
    const auto bytes = PatternBytes(3000);
    out.FeedAudioBytes(bytes.data(), 3000);
    EXPECT_EQ(out.StartAudio(5, 3), 5);
    EXPECT_EQ(out.LastSubmitResult(), WaveResult::InvalidHandle);
    out.FillAudioSlots();
    out.SubmitNextAudioSlot();
    EXPECT_EQ(out.RingCount(), 0);
}

TEST(AudioOutDevice, ReopenAndCloseReleaseTheDeviceAndTheBuffers) {
    FakeDevices devices;
    RecordingPoster poster;
    AudioOut out(devices, poster, nullptr);
    ASSERT_TRUE(out.OpenAudio());
    const auto bytes = PatternBytes(3000);
    out.FeedAudioBytes(bytes.data(), 3000);
    out.StartAudio(5, 3);
    ASSERT_TRUE(out.OpenAudio());
    EXPECT_EQ(devices.opens, 2);
    EXPECT_FALSE(out.IsPlaying());
    EXPECT_EQ(out.RingCount(), 0);
    out.CloseAudio();
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(out.FeedAudioBytes(bytes.data(), 10), 10) << "a closed output stores nothing";
    EXPECT_EQ(out.StartAudio(5, 3), 0);
    out.FillAudioSlots();
    out.SubmitNextAudioSlot();
    out.ResetSlotsAfterStop();
    out.CloseAudio();
}

}  // namespace

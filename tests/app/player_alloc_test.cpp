// Playing must not allocate: a camera AVI's timer ticks and a .tkm's pictures, paced by a silent
// device, reuse the pictures, strings and buffers made when the movie opened. This program
// replaces the global allocator to count allocations.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "audio/wave_out.h"
#include "counting_allocator.h"
#include "fakes.h"
#include "fixtures/camera_recording.h"

namespace qv::app {
namespace {

// A device that keeps the buffers it is given in a fixed queue and finishes the oldest one when
// told, allocating nothing.
class QueueWaveOut final : public audio::WaveOut {
  public:
    explicit QueueWaveOut(audio::WaveOutClient& client) : client_(client) {}
    audio::WaveResult Prepare(audio::WaveHeader& h) override { return audio::PrepareHeader(h); }
    audio::WaveResult Unprepare(audio::WaveHeader& h) override { return audio::UnprepareHeader(h); }
    audio::WaveResult Write(audio::WaveHeader& h) override {
        const audio::WaveResult r = audio::BeginWrite(h);
        if (r == audio::WaveResult::Ok) queue_[(head_ + count_++) % 16] = &h;
        return r;
    }
    const char* Name() const override { return "queue"; }
    bool FinishOne() {
        if (count_ == 0) return false;
        audio::WaveHeader* h = queue_[head_];
        head_ = (head_ + 1) % 16;
        --count_;
        audio::FinishHeader(*h);
        client_.OnWaveMessage(audio::kWaveOutDone, h);
        return true;
    }

  private:
    audio::WaveOutClient& client_;
    audio::WaveHeader* queue_[16] = {};
    int head_ = 0;
    int count_ = 0;
};

class QueueDevices final : public audio::WaveOutDevices {
  public:
    std::unique_ptr<audio::WaveOut> Open(const audio::WaveFormat&,
                                         audio::WaveOutClient& c) override {
        auto d = std::make_unique<QueueWaveOut>(c);
        last = d.get();
        return d;
    }
    QueueWaveOut* last = nullptr;
};

class PlayerAllocation : public ::testing::Test {
  protected:
    PlayerAllocation() : logic(platform, platform, {*avi, *stream, sound}, "") {}
    long CountWhile(const std::function<void()>& play) {
        g_allocations = 0;
        g_counting = true;
        play();
        g_counting = false;
        return g_allocations.load();
    }

    testing::FakePlatform platform;
    std::unique_ptr<AviReader> avi = MakeCameraAviReader();
    std::unique_ptr<StreamMedia> stream = MakeStreamMedia();
    QueueDevices sound;
    MainWindowLogic logic;
};

TEST_F(PlayerAllocation, CameraAviTicksAllocateNothing) {
    fixtures::RecordingOptions o;
    o.avi.width = 320;
    o.avi.height = 240;
    o.frame_count = 40;
    const std::string path = ::testing::TempDir() + "alloc.avi";
    ASSERT_TRUE(fixtures::WriteBytes(path, fixtures::MakeRecording(o).avi.bytes));
    logic.FormCreate({path});
    logic.EmbedTimestamp1Click();
    // The diagnostics window refreshes its camera values and focus score after every frame.
    logic.Diagnostics1Click();
    logic.FormResize(1096, 702);
    logic.FormShow(1920, 1080);
    logic.tbRateChange(20);
    for (int i = 0; i < 5; ++i)
        logic.Timer1Timer();
    EXPECT_EQ(CountWhile([&] {
                  for (int i = 0; i < 30; ++i)
                      logic.Timer1Timer();
              }),
              0);
    EXPECT_EQ(logic.ui().status[3], "Frame 36");
}

TEST_F(PlayerAllocation, TkmPicturesAllocateNothing) {
    const std::string path = std::string(QV_FIXTURE_DIR) + "/m4v/pace_320x240.tkm";
    logic.FormCreate({path});
    logic.EmbedTimestamp1Click();
    logic.FormResize(1096, 702);
    logic.FormShow(1920, 1080);
    ASSERT_TRUE(logic.play().bPlaying);
    auto play = [&](int pictures) {
        const uint64_t until = logic.ui().picture_serial + static_cast<uint64_t>(pictures);
        while (logic.ui().picture_serial < until && sound.last->FinishOne())
            logic.WmAudioNotice();
    };
    play(5);
    const uint64_t before = logic.ui().picture_serial;
    EXPECT_EQ(CountWhile([&] { play(40); }), 0);
    EXPECT_GE(logic.ui().picture_serial, before + 40);
}

}  // namespace
}  // namespace qv::app

// The desktop sound backend, exercised through SDL's dummy driver (no sound card needed) when
// SDL is built in; on a machine without it the device list must fall back to the silent device.
#include "audio/system_wave_out.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "audio/audio_fakes.h"

namespace {

using namespace qv::audio;
using namespace qv::audio::testing;

class CountingClient final : public WaveOutClient {
  public:
    void OnWaveMessage(uint32_t message, WaveHeader* h) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (message == kWaveOutDone) order.push_back(h->user);
        cv_.notify_all();
    }
    bool WaitFor(size_t n) {
        std::unique_lock<std::mutex> lock(mutex_);
        return cv_.wait_for(lock, std::chrono::seconds(10), [&] { return order.size() >= n; });
    }
    std::vector<uint32_t> order;

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
};

TEST(SystemWaveOut, SwitchedOffSoundUsesTheSilentDevice) {
    setenv("QV_AUDIO_DEVICE", "null", 1);
    CountingClient client;
    SystemWaveOutDevices devices;
    auto device = devices.Open(TkmSoundFormat(), client);
    unsetenv("QV_AUDIO_DEVICE");
    ASSERT_NE(device, nullptr);
    EXPECT_STREQ(device->Name(), "null");
    EXPECT_FALSE(devices.FallbackReason().empty());
}

TEST(SystemWaveOut, NoSoundSystemFallsBackToTheSilentDevice) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    CountingClient client;
    SystemWaveOutDevices devices;
    auto device = devices.Open(TkmSoundFormat(), client);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_NE(device, nullptr) << "a machine without sound still gets a paced device";
    EXPECT_STREQ(device->Name(), "null");
}

TEST(SystemWaveOut, BuffersPlayedThroughTheSoundSystemComeBackDoneInOrder) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    CountingClient client;
    SystemWaveOutDevices devices;
    auto device = devices.Open(TkmSoundFormat(), client);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_NE(device, nullptr);
    if (std::string(device->Name()) != "sdl") GTEST_SKIP() << devices.FallbackReason();
    const auto bytes = PatternBytes(4 * 512 + 100);
    WaveHeader h[5];
    for (uint32_t i = 0; i < 5; ++i) {
        h[i].data = bytes.data() + i * 512;
        h[i].buffer_length = i < 4 ? 512 : 100;  // the last one ends inside a block
        h[i].user = i;
        ASSERT_EQ(device->Prepare(h[i]), WaveResult::Ok);
        ASSERT_EQ(device->Write(h[i]), WaveResult::Ok);
    }
    ASSERT_TRUE(client.WaitFor(5));
    EXPECT_EQ(client.order, (std::vector<uint32_t>{0, 1, 2, 3, 4}));
    for (auto& header : h)
        EXPECT_EQ(device->Unprepare(header), WaveResult::Ok);
}

}  // namespace

// The desktop sound backend, exercised through SDL's dummy driver (no sound card needed) when
// SDL is built in; on a machine without it the device list must fall back to the silent device.
#include "audio/system_wave_out.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "audio/audio_fakes.h"
#include "audio/ima_adpcm.h"
#include "audio/wav_read.h"

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

// SDL's disk driver writes what would reach the sound card into a file: the samples there must be
// the decoded buffers, in order, with silence only before and after them.
TEST(SystemWaveOut, SoundCardReceivesTheDecodedSamples) {
    WavContents speech;
    ASSERT_TRUE(ReadWav(std::string(QV_AUDIO_FIXTURES) + "/speech_ima.wav", speech));
    const std::vector<uint8_t> sound(speech.data.begin() + 20 * 128,
                                     speech.data.begin() + 36 * 128);
    const std::string card = ::testing::TempDir() + "qv_sdl_disk.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", card.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    {
        CountingClient client;
        SystemWaveOutDevices devices;
        auto device = devices.Open(TkmSoundFormat(), client);
        unsetenv("SDL_AUDIODRIVER");
        ASSERT_NE(device, nullptr);
        if (std::string(device->Name()) != "sdl") GTEST_SKIP() << devices.FallbackReason();
        WaveHeader h[4];
        for (uint32_t i = 0; i < 4; ++i) {
            h[i].data = sound.data() + i * 512;
            h[i].buffer_length = 512;
            h[i].user = i;
            device->Prepare(h[i]);
            ASSERT_EQ(device->Write(h[i]), WaveResult::Ok);
        }
        ASSERT_TRUE(client.WaitFor(4));
        // Let the last block leave the device before it closes.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::vector<int16_t> expected;
    int16_t block[249];
    for (size_t at = 0; at < sound.size(); at += 128) {
        DecodeImaBlock(sound.data() + at, 128, block);
        expected.insert(expected.end(), block, block + 249);
    }
    const auto written = ReadRawS16(card);
    std::remove(card.c_str());
    size_t start = 0;
    while (start < written.size() && written[start] == 0)
        ++start;
    ASSERT_GE(written.size(), start + expected.size()) << "the card got fewer samples";
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin() + start));
    for (size_t i = start + expected.size(); i < written.size(); ++i)
        ASSERT_EQ(written[i], 0) << "sound after the last buffer at " << i;
}

}  // namespace

#include "audio/audio_notice_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <thread>
#include <vector>

namespace {

using namespace qv::audio;

TEST(AudioNoticeQueue, KeepsPostingOrderAndWakesOncePerBurst) {
    int wakes = 0;
    AudioNoticeQueue queue([&] { ++wakes; });
    queue.PostAudioNotice(kNoticeBufferDone);
    queue.PostAudioNotice(kNoticeUnderrun);
    queue.PostSlotReset();
    EXPECT_EQ(wakes, 1);
    std::vector<int32_t> got;
    int32_t e;
    while (queue.Take(e))
        got.push_back(e);
    EXPECT_EQ(got, (std::vector<int32_t>{kNoticeBufferDone, kNoticeUnderrun,
                                         AudioNoticeQueue::kSlotReset}));
    queue.PostAudioNotice(kNoticeBufferDone);
    EXPECT_EQ(wakes, 2) << "an emptied queue wakes again";
}

TEST(AudioNoticeQueue, AFullQueueKeepsTheOldestAndCountsTheRest) {
    AudioNoticeQueue queue;
    for (int i = 0; i < AudioNoticeQueue::kCapacity + 5; ++i)
        queue.PostAudioNotice(i);
    EXPECT_EQ(queue.Dropped(), 5);
    int32_t e = -2;
    for (int i = 0; i < AudioNoticeQueue::kCapacity; ++i) {
        ASSERT_TRUE(queue.Take(e));
        EXPECT_EQ(e, i);
    }
    EXPECT_FALSE(queue.Take(e));
}

// A device thread posts while the user-interface thread drains whenever it is woken: no notice
// may be lost, reordered or left waiting without a wake.
TEST(AudioNoticeQueue, NoWakeIsLostBetweenTwoThreads) {
    std::mutex m;
    std::condition_variable cv;
    bool woken = false;
    AudioNoticeQueue queue([&] {
        std::lock_guard<std::mutex> lock(m);
        woken = true;
        cv.notify_one();
    });
    constexpr int kTotal = 20000;
    std::atomic<int> taken{0};
    std::thread device([&] {
        for (int i = 0; i < kTotal; ++i) {
            while (i - taken.load() >= AudioNoticeQueue::kCapacity / 2)
                std::this_thread::yield();
            queue.PostAudioNotice(i);
        }
    });
    int expected = 0;
    bool in_order = true;
    while (expected < kTotal) {
        std::unique_lock<std::mutex> lock(m);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(10), [&] { return woken; }))
            << "stalled at " << expected;
        woken = false;
        lock.unlock();
        int32_t e;
        while (queue.Take(e)) {
            in_order = in_order && e == expected;
            ++expected;
            taken.store(expected);
        }
    }
    device.join();
    EXPECT_TRUE(in_order);
    EXPECT_EQ(queue.Dropped(), 0);
}

}  // namespace

// A ready-made notice poster for the user-interface side: the device thread puts notices into a
// fixed queue (no allocation, a short lock), and the user-interface thread takes them out in
// posting order when it is woken. The wake hook runs only when the queue turns from empty to
// non-empty, so a toolkit that must post an event of its own to wake its thread posts one per
// burst of notices, not one per buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

#include "audio/audio_notices.h"

namespace qv::audio {

class AudioNoticeQueue final : public AudioNoticePoster {
  public:
    static constexpr int32_t kCapacity = 64;
    // What a queued entry means: kNoticeBufferDone, kNoticeUnderrun or this.
    static constexpr int32_t kSlotReset = -1;

    // wake may be empty; it runs on the posting thread, outside the queue's lock.
    explicit AudioNoticeQueue(std::function<void()> wake = {}) : wake_(std::move(wake)) {}

    void PostAudioNotice(int32_t param) override { Push(param); }
    void PostSlotReset() override { Push(kSlotReset); }

    // Takes the oldest entry; false when the queue is empty.
    bool Take(int32_t& entry);
    // Notices that did not fit (the user-interface thread stopped answering); 0 in normal play.
    int64_t Dropped() const;

  private:
    void Push(int32_t entry);

    std::function<void()> wake_;
    mutable std::mutex mutex_;
    int32_t entries_[kCapacity] = {};
    int32_t head_ = 0;
    int32_t count_ = 0;
    int64_t dropped_ = 0;
};

}  // namespace qv::audio

#include "audio/audio_notice_queue.h"

namespace qv::audio {

void AudioNoticeQueue::Push(int32_t entry) {
    bool was_empty = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (count_ == kCapacity) {
            // A stalled reader: the oldest notices are kept, so the order stays intact.
            ++dropped_;
            return;
        }
        was_empty = count_ == 0;
        entries_[(head_ + count_) % kCapacity] = entry;
        ++count_;
    }
    if (was_empty && wake_) wake_();
}

bool AudioNoticeQueue::Take(int32_t& entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (count_ == 0) return false;
    entry = entries_[head_];
    head_ = (head_ + 1) % kCapacity;
    --count_;
    return true;
}

int64_t AudioNoticeQueue::Dropped() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

}  // namespace qv::audio

#include "audio/null_wave_out.h"

namespace qv::audio {

double NullWaveOut::ByteRate(const WaveFormat& format) {
    if (format.avg_bytes_per_sec > 0) return format.avg_bytes_per_sec;
    if (format.samples_per_block > 0 && format.block_align > 0 && format.samples_per_sec > 0)
        return double(format.samples_per_sec) * format.block_align / format.samples_per_block;
    if (format.block_align > 0 && format.samples_per_sec > 0)
        return double(format.samples_per_sec) * format.block_align;
    return 8000.0;
}

NullWaveOut::NullWaveOut(const WaveFormat& format, WaveOutClient& client, AudioClock& clock)
    : client_(client), clock_(clock), bytes_per_sec_(ByteRate(format)) {
    thread_ = std::thread([this] { Run(); });
}

NullWaveOut::~NullWaveOut() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    // Buffers still waiting are given back unplayed.
    for (size_t i = 0; i < queued_; ++i)
        queue_[(head_ + i) % kMaxQueued]->flags.fetch_and(~kHeaderInQueue);
}

WaveResult NullWaveOut::Write(WaveHeader& header) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (queued_ == kMaxQueued) return WaveResult::Error;
    WaveResult r = BeginWrite(header);
    if (r != WaveResult::Ok) return r;
    queue_[(head_ + queued_) % kMaxQueued] = &header;
    ++queued_;
    lock.unlock();
    wake_.notify_all();
    return WaveResult::Ok;
}

int64_t NullWaveOut::PlayTimeNs(uint64_t bytes) const {
    return static_cast<int64_t>(double(bytes) * 1e9 / bytes_per_sec_);
}

void NullWaveOut::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        if (queued_ == 0) {
            // Ran dry: the next buffer starts a new time line when it arrives.
            anchored_ = false;
            wake_.wait(lock);
            continue;
        }
        WaveHeader* header = queue_[head_];
        if (!anchored_) {
            anchored_ = true;
            anchor_ns_ = clock_.NowNs();
            anchor_bytes_ = 0;
        }
        const int64_t due = anchor_ns_ + PlayTimeNs(anchor_bytes_ + header->buffer_length);
        if (clock_.NowNs() < due) {
            clock_.WaitUntil(due, lock, wake_);
            continue;
        }
        head_ = (head_ + 1) % kMaxQueued;
        --queued_;
        anchor_bytes_ += header->buffer_length;
        lock.unlock();
        FinishHeader(*header);
        client_.OnWaveMessage(kWaveOutDone, header);
        lock.lock();
    }
}

}  // namespace qv::audio

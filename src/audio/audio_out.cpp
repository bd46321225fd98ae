#include "audio/audio_out.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "audio/wave_format.h"

namespace qv::audio {

// The sixteen output slots: a device header, a data area and the count of bytes it holds. One
// zero-filled allocation per open.
struct AudioOut::SlotBlock {
    WaveHeader headers[kSlotCount];
    int32_t counts[kSlotCount] = {};
    uint8_t areas[kSlotCount][kSlotAreaBytes] = {};
};

AudioOut::AudioOut(WaveOutDevices& devices, AudioNoticePoster& poster, AudioFramePacer* pacer)
    : devices_(devices), poster_(poster), pacer_(pacer) {}

AudioOut::~AudioOut() {
    CloseAudio();
}

bool AudioOut::OpenAudio() {
    CloseAudio();
    slots_.reset(new (std::nothrow) SlotBlock());
    if (!slots_) return false;
    ring_.reset(new (std::nothrow) uint8_t[kRingBytes]());
    if (!ring_) {
        slots_.reset();
        return false;
    }
    for (int32_t i = 0; i < kSlotCount; ++i) {
        slots_->headers[i].data = slots_->areas[i];
        slots_->headers[i].user = static_cast<uint32_t>(i);
    }
    // Without a device the slots still fill and the ring still drains; the player's pictures
    // then wait for notices that never come, which is why the device list ends in a silent,
    // paced device that always opens.
    device_ = devices_.Open(TkmSoundFormat(), *this);
    ring_count_ = ring_read_ = ring_write_ = 0;
    write_index_ = -1;
    fill_index_ = 0;
    fill_bytes_ = 0;
    frame_bytes_ = 0;
    buffer_done_count_ = 0;
    last_submit_result_ = WaveResult::Ok;
    return true;
}

void AudioOut::CloseAudio() {
    playing_.store(false);
    // Closing the device first guarantees that it no longer reads the slots we free next.
    device_.reset();
    ring_.reset();
    slots_.reset();
    ring_count_ = ring_read_ = ring_write_ = 0;
    write_index_ = -1;
    fill_index_ = 0;
    fill_bytes_ = 0;
}

int32_t AudioOut::SlotCount(int32_t slot) const {
    if (!slots_ || slot < 0 || slot >= kSlotCount) return 0;
    return slots_->counts[slot];
}

int32_t AudioOut::BuffersInDevice() const {
    if (!slots_) return 0;
    int32_t n = 0;
    for (const WaveHeader& h : slots_->headers)
        if (h.flags.load() & kHeaderInQueue) ++n;
    return n;
}

const uint8_t* AudioOut::SlotData(int32_t slot) const {
    if (!slots_ || slot < 0 || slot >= kSlotCount) return nullptr;
    return slots_->areas[slot];
}

int32_t AudioOut::FeedAudioBytes(const uint8_t* bytes, int32_t count) {
    if (count <= 0) return 0;
    if (!ring_) return count;
    // What fits, in at most two pieces: up to the ring's end, then from its start.
    const int32_t take = std::min(count, kRingBytes - ring_count_);
    const int32_t first = std::min(take, kRingBytes - ring_write_);
    std::memcpy(ring_.get() + ring_write_, bytes, static_cast<size_t>(first));
    std::memcpy(ring_.get(), bytes + first, static_cast<size_t>(take - first));
    ring_write_ = (ring_write_ + take) & kRingMask;
    ring_count_ += take;
    return count - take;
}

uint8_t AudioOut::TakeRingByte() {
    const uint8_t b = ring_[ring_read_];
    ring_read_ = (ring_read_ + 1) & kRingMask;
    --ring_count_;
    return b;
}

void AudioOut::ClearSlotTable() {
    write_index_ = -1;
    fill_index_ = 0;
    fill_bytes_ = 0;
    for (int32_t& c : slots_->counts)
        c = 0;
}

int32_t AudioOut::StartAudio(int32_t prefill, int32_t submit) {
    if (playing_.load() || !slots_) return 0;
    // A stop leaves the slot table to the reset of the last finished buffer; start from a clean
    // table even when that reset has not been handled yet, so no stale slot is played again.
    ClearSlotTable();
    prefill = std::clamp(prefill, 0, kSlotCount);
    submit = std::clamp(submit, 0, kSlotCount);
    const int32_t k = std::min(prefill, ring_count_ / kSlotBytes);
    for (int32_t s = 0; s < k; ++s) {
        for (int32_t i = 0; i < kSlotBytes; ++i)
            slots_->areas[s][i] = TakeRingByte();
        slots_->counts[s] = kSlotBytes;
    }
    fill_index_ = k % kSlotCount;
    fill_bytes_ = 0;
    frame_bytes_ = 0;
    for (int32_t s = 0; s < submit; ++s) {
        write_index_ = (s + 1) % kSlotCount;
        SubmitSlot(s);
    }
    playing_.store(true);
    return k;
}

bool AudioOut::StopAudio() {
    playing_.store(false);
    ring_count_ = ring_read_ = ring_write_ = 0;
    return true;
}

WaveResult AudioOut::SubmitSlot(int32_t slot) {
    const int32_t count = slots_->counts[slot];
    if (count == 0) return WaveResult::Ok;
    WaveResult r = WaveResult::InvalidHandle;
    if (device_) {
        WaveHeader& h = slots_->headers[slot];
        r = WaveResult::Ok;
        if (h.flags.load() & kHeaderPrepared) r = device_->Unprepare(h);
        if (r == WaveResult::Ok) {
            h.buffer_length = static_cast<uint32_t>(count);
            r = device_->Prepare(h);
        }
        if (r == WaveResult::Ok) r = device_->Write(h);
    }
    last_submit_result_ = r;
    return r;
}

void AudioOut::CountFrameByte() {
    ++frame_bytes_;
    if (!pacer_) return;
    // ">=" rather than "==": a picture that carries no sound (count 0) or whose count changed
    // below the bytes already counted must not stop the pictures for good.
    if (frame_bytes_ >= pacer_->AudioBytesForShownPicture()) {
        frame_bytes_ = 0;
        pacer_->NextTkmPicture();
    }
}

void AudioOut::FillAudioSlots() {
    if (!slots_) return;
    const SlotBlock* const block = slots_.get();
    int32_t moved = 0;
    while (moved < kSlotBytes && ring_count_ > 0) {
        slots_->areas[fill_index_][fill_bytes_++] = TakeRingByte();
        ++moved;
        bool stop = false;
        if (fill_bytes_ == kSlotBytes) {
            slots_->counts[fill_index_] = kSlotBytes;
            fill_index_ = (fill_index_ + 1) % kSlotCount;
            fill_bytes_ = 0;
            // Filling stops in front of the slot due next for the device.
            if (fill_index_ != write_index_)
                slots_->counts[fill_index_] = 0;
            else
                stop = true;
        }
        // The pacer may decode the next picture here, which feeds more bytes into the ring, or
        // end the movie, which stops or closes this output.
        CountFrameByte();
        if (slots_.get() != block) return;
        if (stop) break;
    }
    if (fill_index_ != write_index_) slots_->counts[fill_index_] = fill_bytes_;
}

void AudioOut::SubmitNextAudioSlot() {
    ++buffer_done_count_;
    if (!slots_ || write_index_ < 0) return;
    if (slots_->counts[write_index_] > 0) {
        if (SubmitSlot(write_index_) == WaveResult::Ok) {
            slots_->counts[write_index_] = 0;
            const bool was_filling = write_index_ == fill_index_;
            write_index_ = (write_index_ + 1) % kSlotCount;
            // A slot that went out half full is closed: bytes that arrive later go to the next
            // slot, not into a buffer the device already holds.
            if (was_filling) {
                fill_index_ = write_index_;
                fill_bytes_ = 0;
                slots_->counts[fill_index_] = 0;
            }
        }
    } else {
        poster_.PostAudioNotice(kNoticeUnderrun);
    }
}

void AudioOut::ResetSlotsAfterStop() {
    if (playing_.load() || !slots_) return;
    ClearSlotTable();
}

void AudioOut::OnWaveMessage(uint32_t message, WaveHeader*) {
    if (message != kWaveOutDone) return;
    if (playing_.load())
        poster_.PostAudioNotice(kNoticeBufferDone);
    else
        poster_.PostSlotReset();
}

}  // namespace qv::audio

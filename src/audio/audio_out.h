// The sound output of a recording: packet bytes collect in a byte ring, move from there into a
// ring of sixteen 512-byte output slots and go to the output device a slot at a time. Every
// finished slot brings a notice back to the user-interface thread, which refills the slots and,
// each time a picture's worth of sound has gone out, advances the picture.
//
// Threads: everything but OnWaveMessage runs on the user-interface thread. OnWaveMessage runs on
// the device's thread and only posts a notice; the slot reset after a stop is posted as well and
// runs on the user-interface thread, so it can never interleave with StartAudio.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "audio/audio_notices.h"
#include "audio/audio_sink.h"
#include "audio/wave_out.h"

namespace qv::audio {

class AudioOut final : public AudioSink, private WaveOutClient {
  public:
    static constexpr int32_t kRingBytes = 32768;
    static constexpr int32_t kRingMask = kRingBytes - 1;
    static constexpr int32_t kSlotCount = 16;
    static constexpr int32_t kSlotBytes = 512;
    static constexpr int32_t kSlotAreaBytes = 2048;

    // devices and poster must outlive the object; the pacer may be null (nothing is paced).
    AudioOut(WaveOutDevices& devices, AudioNoticePoster& poster, AudioFramePacer* pacer);
    ~AudioOut() override;
    AudioOut(const AudioOut&) = delete;
    AudioOut& operator=(const AudioOut&) = delete;

    void SetFramePacer(AudioFramePacer* pacer) { pacer_ = pacer; }

    // Allocates the slots and the ring (zero-filled) and opens the output device with the
    // camera's sound format. False only when the memory cannot be had; a device that cannot be
    // opened leaves the output silent but working. An output already open is closed first.
    bool OpenAudio();
    // Stops playback, closes the device and frees the ring and the slots. Safe to call twice.
    void CloseAudio();

    // Copies bytes into the ring until it is full; returns the count dropped.
    int32_t FeedAudioBytes(const uint8_t* bytes, int32_t count) override;
    // Fills up to `prefill` slots with 512 bytes each from the ring and hands the first `submit`
    // slots to the device. Returns the slots filled; 0 and no change when already playing.
    int32_t StartAudio(int32_t prefill, int32_t submit);
    // Stops feeding the device and empties the ring; buffers already queued play to their end.
    bool StopAudio();
    // Moves at most one slot's worth of bytes from the ring into the slots, advancing the
    // picture whenever the bytes counted for the picture on screen have moved.
    void FillAudioSlots();
    // Answers a finished buffer: hands the next slot to the device, or posts an underrun notice
    // when that slot is empty.
    void SubmitNextAudioSlot();
    // The reset a buffer finishing after a stop asks for (see AudioNoticePoster::PostSlotReset).
    // Ignored while playing, so a reset that arrives after the next StartAudio changes nothing.
    void ResetSlotsAfterStop();

    // State, for the diagnostics and the tests.
    bool IsOpen() const { return slots_ != nullptr; }
    bool IsPlaying() const { return playing_.load(); }
    bool HasDevice() const { return device_ != nullptr; }
    const char* DeviceName() const { return device_ ? device_->Name() : "none"; }
    int32_t RingCount() const { return ring_count_; }
    int32_t FillIndex() const { return fill_index_; }
    int32_t WriteIndex() const { return write_index_; }
    int32_t SlotCount(int32_t slot) const;
    // Buffers handed to the device that it has not finished yet. A start while some are still
    // there would refill slots the device is reading.
    int32_t BuffersInDevice() const;
    const uint8_t* SlotData(int32_t slot) const;
    int32_t FrameByteCounter() const { return frame_bytes_; }
    int32_t BufferDoneCount() const { return buffer_done_count_; }
    // The result of the last slot handed to the device (Ok when none failed).
    WaveResult LastSubmitResult() const { return last_submit_result_; }

  private:
    struct SlotBlock;

    void OnWaveMessage(uint32_t message, WaveHeader* header) override;
    WaveResult SubmitSlot(int32_t slot);
    uint8_t TakeRingByte();
    void ClearSlotTable();
    void CountFrameByte();

    WaveOutDevices& devices_;
    AudioNoticePoster& poster_;
    AudioFramePacer* pacer_;

    std::unique_ptr<SlotBlock> slots_;
    std::unique_ptr<uint8_t[]> ring_;
    std::unique_ptr<WaveOut> device_;

    int32_t ring_count_ = 0;
    int32_t ring_write_ = 0;
    int32_t ring_read_ = 0;
    int32_t fill_index_ = 0;
    // Bytes already in the slot being filled (kept here too, because the slot's own count stays 0
    // while it is the next one due for the device).
    int32_t fill_bytes_ = 0;
    int32_t write_index_ = -1;
    std::atomic<bool> playing_{false};
    int32_t frame_bytes_ = 0;
    int32_t buffer_done_count_ = 0;
    WaveResult last_submit_result_ = WaveResult::Ok;
};

}  // namespace qv::audio

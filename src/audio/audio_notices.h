// What the sound output tells the player, and what it asks of it. The notices are posted from
// the device's thread and handled later on the user-interface thread, in the order posted.
#pragma once

#include <cstdint>

namespace qv::audio {

// The window message that carries the sound output's notices, and its two parameters.
constexpr uint32_t kAudioNoticeMessage = 0x501;
constexpr int32_t kNoticeBufferDone = 0;  // an output buffer has finished playing
constexpr int32_t kNoticeUnderrun = 1;    // a buffer was due but the next slot held no data

// Queues notices for the user-interface thread. Both calls may come from any thread, must not
// block for long and must not allocate (they run for every buffer played).
class AudioNoticePoster {
  public:
    virtual ~AudioNoticePoster() = default;
    // Message kAudioNoticeMessage with the given parameter; the player answers a
    // kNoticeBufferDone with SubmitNextAudioSlot() then FillAudioSlots().
    virtual void PostAudioNotice(int32_t param) = 0;
    // A buffer finished after playback stopped: the player calls ResetSlotsAfterStop() when it
    // handles this, so the reset runs on its own thread, in order with StartAudio.
    virtual void PostSlotReset() = 0;
};

// The pictures that the sound paces.
class AudioFramePacer {
  public:
    virtual ~AudioFramePacer() = default;
    // Sound bytes that belong to the picture on screen.
    virtual int32_t AudioBytesForShownPicture() = 0;
    // That many bytes have gone to the output: show the next picture.
    virtual void NextTkmPicture() = 0;
};

}  // namespace qv::audio

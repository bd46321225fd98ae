// The seam to a sound output device that takes buffers of encoded sound and reports each one
// played. It follows the usual waveform-output model: a buffer header is prepared, written
// (queued) and, once the device is done with it, unprepared; a "done" notice per finished buffer
// reaches the client on a thread of the device.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "audio/wave_format.h"

namespace qv::audio {

// Results of device operations (numbered like the waveform-output error codes).
enum class WaveResult : uint32_t {
    Ok = 0,
    Error = 1,
    InvalidHandle = 5,
    InvalidParam = 11,
    BadFormat = 32,
    StillPlaying = 33,
    Unprepared = 34,
};

// Flags of a buffer header.
constexpr uint32_t kHeaderDone = 0x01;      // the device has finished with the buffer
constexpr uint32_t kHeaderPrepared = 0x02;  // prepared for the device
constexpr uint32_t kHeaderInQueue = 0x10;   // written and not yet finished

// One buffer handed to a device. The caller owns the header and the bytes and keeps both alive
// and unchanged while the buffer is queued. Flags are changed by the device thread too.
struct WaveHeader {
    const uint8_t* data = nullptr;
    uint32_t buffer_length = 0;
    std::atomic<uint32_t> flags{0};
    // Which of the caller's buffers this is (the caller's slot number).
    uint32_t user = 0;
};

// Messages a device sends to its client.
constexpr uint32_t kWaveOutOpened = 0x3BB;
constexpr uint32_t kWaveOutClosed = 0x3BC;
constexpr uint32_t kWaveOutDone = 0x3BD;

// Receives the device's messages. OnWaveMessage runs on a device thread, so it must be quick,
// must not block on the caller's thread and must not call back into the device.
class WaveOutClient {
  public:
    virtual ~WaveOutClient() = default;
    virtual void OnWaveMessage(uint32_t message, WaveHeader* header) = 0;
};

// An open output device. Destroying it stops playback at once; no message reaches the client
// after the destructor has returned, and queued headers are left with kHeaderInQueue cleared.
class WaveOut {
  public:
    virtual ~WaveOut() = default;
    virtual WaveResult Prepare(WaveHeader& header) = 0;
    virtual WaveResult Unprepare(WaveHeader& header) = 0;
    virtual WaveResult Write(WaveHeader& header) = 0;
    // A short name for logs ("sdl", "null", ...).
    virtual const char* Name() const = 0;
};

// Opens output devices for a format. Returns null when no device can take the format.
class WaveOutDevices {
  public:
    virtual ~WaveOutDevices() = default;
    virtual std::unique_ptr<WaveOut> Open(const WaveFormat& format, WaveOutClient& client) = 0;
};

// The header bookkeeping every device shares: what prepare, unprepare and write check and set.
// Each returns Ok when the device may go on with the header.
WaveResult PrepareHeader(WaveHeader& header);
WaveResult UnprepareHeader(WaveHeader& header);
WaveResult BeginWrite(WaveHeader& header);
// Marks a written header as finished (called by the device just before its "done" notice).
void FinishHeader(WaveHeader& header);

}  // namespace qv::audio

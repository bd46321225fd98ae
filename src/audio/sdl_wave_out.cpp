#include "audio/sdl_wave_out.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace qv::audio {

SdlWaveOut::SdlWaveOut(const WaveFormat& format, WaveOutClient& client)
    : client_(client), blocks_(format.block_align) {}

std::unique_ptr<SdlWaveOut> SdlWaveOut::Open(const WaveFormat& format, WaveOutClient& client,
                                             std::string& error) {
    if (format.format_tag != kFormatImaAdpcm || format.channels != 1 || format.block_align < 4 ||
        format.block_align > ImaBlockAssembler::kMaxBlockBytes || format.samples_per_sec == 0) {
        error = "sound format not supported by the output";
        return nullptr;
    }
    std::unique_ptr<SdlWaveOut> out(new SdlWaveOut(format, client));
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    out->subsystem_ = true;
    SDL_AudioSpec want{};
    SDL_AudioSpec have{};
    want.freq = static_cast<int>(format.samples_per_sec);
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;  // about 32 ms at 16 kHz: short enough to keep the pictures in step
    want.callback = &SdlWaveOut::Callback;
    want.userdata = out.get();
    // SDL converts rate and sample format if the device wants others.
    out->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (out->device_ == 0) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_PauseAudioDevice(out->device_, 0);
    return out;
}

SdlWaveOut::~SdlWaveOut() {
    // Closing waits for a running callback; none runs afterwards.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    for (size_t i = 0; i < queued_; ++i)
        queue_[(head_ + i) % kMaxQueued]->flags.fetch_and(~kHeaderInQueue);
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

WaveResult SdlWaveOut::Write(WaveHeader& header) {
    if (header.buffer_length > 0 && header.data == nullptr) return WaveResult::InvalidParam;
    SDL_LockAudioDevice(device_);
    WaveResult r = WaveResult::Error;
    if (queued_ < kMaxQueued) r = BeginWrite(header);
    if (r == WaveResult::Ok) {
        queue_[(head_ + queued_) % kMaxQueued] = &header;
        ++queued_;
    }
    SDL_UnlockAudioDevice(device_);
    return r;
}

void SdlWaveOut::Callback(void* self, uint8_t* stream, int len) {
    auto* out = reinterpret_cast<int16_t*>(stream);
    static_cast<SdlWaveOut*>(self)->Produce(out, static_cast<size_t>(len) / sizeof(int16_t));
}

void SdlWaveOut::Produce(int16_t* out, size_t samples) {
    size_t done = 0;
    while (done < samples) {
        if (blocks_.HasBlock()) {
            const size_t n = std::min(samples - done, blocks_.SampleCount() - block_pos_);
            std::memcpy(out + done, blocks_.Samples() + block_pos_, n * sizeof(int16_t));
            done += n;
            block_pos_ += n;
            if (block_pos_ == blocks_.SampleCount()) {
                blocks_.ReleaseBlock();
                block_pos_ = 0;
            }
            continue;
        }
        if (queued_ == 0) break;
        WaveHeader* h = queue_[head_];
        head_offset_ += blocks_.Take(h->data + head_offset_, h->buffer_length - head_offset_);
        if (head_offset_ == h->buffer_length) {
            head_ = (head_ + 1) % kMaxQueued;
            --queued_;
            head_offset_ = 0;
            FinishHeader(*h);
            client_.OnWaveMessage(kWaveOutDone, h);
        }
    }
    // Nothing to play: silence until the next buffer comes.
    if (done < samples) std::memset(out + done, 0, (samples - done) * sizeof(int16_t));
}

}  // namespace qv::audio

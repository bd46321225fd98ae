#include "audio/wave_out.h"

namespace qv::audio {

WaveResult PrepareHeader(WaveHeader& header) {
    if (header.data == nullptr && header.buffer_length > 0) return WaveResult::InvalidParam;
    if (header.flags.load() & kHeaderInQueue) return WaveResult::StillPlaying;
    header.flags.fetch_or(kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult UnprepareHeader(WaveHeader& header) {
    if (header.flags.load() & kHeaderInQueue) return WaveResult::StillPlaying;
    header.flags.fetch_and(~kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult BeginWrite(WaveHeader& header) {
    const uint32_t flags = header.flags.load();
    if (!(flags & kHeaderPrepared)) return WaveResult::Unprepared;
    if (flags & kHeaderInQueue) return WaveResult::StillPlaying;
    header.flags.store((flags & ~kHeaderDone) | kHeaderInQueue);
    return WaveResult::Ok;
}

void FinishHeader(WaveHeader& header) {
    uint32_t flags = header.flags.load();
    while (!header.flags.compare_exchange_weak(flags, (flags & ~kHeaderInQueue) | kHeaderDone)) {
    }
}

}  // namespace qv::audio

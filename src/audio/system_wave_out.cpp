#include "audio/system_wave_out.h"

#include <cstdlib>
#include <cstring>

#include "audio/null_wave_out.h"
#ifdef QV_HAVE_SDL2
#include "audio/sdl_wave_out.h"
#endif

namespace qv::audio {

std::unique_ptr<WaveOut> SystemWaveOutDevices::Open(const WaveFormat& format,
                                                    WaveOutClient& client) {
    reason_.clear();
    const char* choice = std::getenv("QV_AUDIO_DEVICE");
    if (choice && std::strcmp(choice, "null") == 0) {
        reason_ = "sound output switched off";
    } else {
#ifdef QV_HAVE_SDL2
        if (auto sdl = SdlWaveOut::Open(format, client, reason_)) return sdl;
#else
        reason_ = "built without a sound backend";
#endif
    }
    return std::make_unique<NullWaveOut>(format, client, clock_);
}

}  // namespace qv::audio

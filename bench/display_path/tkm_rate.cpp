// How many pictures per second the real window shows while it plays a .tkm on the silent sound
// device, against the pace the recording's sound sets (the device's byte rate over the sound
// bytes per picture), and the share of one processor the player takes meanwhile.
// Run: QT_QPA_PLATFORM=offscreen qv-tkm-rate RECORDING.tkm [SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/audio_sink.h"
#include "audio/null_wave_out.h"
#include "audio/wave_format.h"
#include "media/mpeg4/stream_decoder.h"
#include "ui/main_window.h"

namespace {

// Counts the sound bytes handed over while the stream is read.
class ByteCounter : public qv::audio::AudioSink {
  public:
    int64_t bytes = 0;
    int32_t FeedAudioBytes(const uint8_t*, int32_t count) override {
        bytes += count;
        return 0;
    }
};

// Pictures per second the sound paces: the device's byte rate over the sound bytes per picture.
double SoundPace(const std::string& path) {
    qv::mpeg4::StreamDecoder decoder;
    if (decoder.OpenStreamFile(path) <= 0) return 0;
    ByteCounter sound;
    int pictures = 0;
    while (decoder.DecodeNextFrame(nullptr, nullptr, false, &sound, nullptr, nullptr) >= 0)
        ++pictures;
    if (pictures == 0 || sound.bytes == 0) return 0;
    const double rate = qv::audio::NullWaveOut::ByteRate(qv::audio::TkmSoundFormat());
    return rate * pictures / static_cast<double>(sound.bytes);
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: qv-tkm-rate RECORDING.tkm [SECONDS]\n");
        return 2;
    }
    setenv("QV_AUDIO_DEVICE", "null", 1);
    QApplication app(argc, argv);
    const std::string movie = argv[1];
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
    const double pace = SoundPace(movie);
    if (pace <= 0) {
        std::fprintf(stderr, "qv-tkm-rate: %s has no pictures with sound\n", movie.c_str());
        return 1;
    }
    const std::string ini = movie + ".rate.ini";
    qv::ui::TfrmQVMain window({movie}, ini);
    window.show();
    uint64_t first = 0;
    double cpu0 = 0;
    QElapsedTimer clock;
    // Half a second for the ring to start, then the count.
    QTimer::singleShot(500, [&] {
        first = window.logic().ui().picture_serial;
        cpu0 = CpuSeconds();
        clock.start();
    });
    QTimer::singleShot(500 + seconds * 1000, [&] {
        const double wall = clock.elapsed() / 1000.0;
        const double shown = static_cast<double>(window.logic().ui().picture_serial - first);
        std::printf(
            "%s: %.1f pictures/s shown, %.1f pictures/s at the sound's pace (%.3f), "
            "CPU %.0f %% of one core over %.1f s\n",
            movie.c_str(), shown / wall, pace, shown / wall / pace,
            100.0 * (CpuSeconds() - cpu0) / wall, wall);
        QApplication::quit();
    });
    QApplication::exec();
    window.logic().StopPlay();
    std::remove(ini.c_str());
    return 0;
}

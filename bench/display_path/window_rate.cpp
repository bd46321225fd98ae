// How many pictures per second the real window shows at speed 30: starts the main window on a
// 1280 x 1024 recording of 330 frames recorded at 30 frames per second. The first pass through
// the movie runs with the display time assumed before any frame was shown (100 ms: every third
// frame every 100 ms); when the playlist wraps, the movie is opened again with the measured time.
// From then on the tool counts 300 pictures and reports their rate and the timer's regularity.
// Run: QT_QPA_PLATFORM=offscreen qv-window-rate [RECORDING.avi]
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "recording.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"

namespace {

class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // An existing recording may be given instead of writing one.
    const bool own = argc < 2;
    const std::string movie = own ? qv::bench::WriteLargeRecording(330) : std::string(argv[1]);
    if (movie.empty()) return 1;
    const std::string ini = movie + ".ini";
    int result = 0;
    {
        qv::ui::TfrmQVMain window({movie}, ini);
        PaintCounter counter;
        window.picture_view()->installEventFilter(&counter);
        window.show();
        // When each timer tick's work ended, to tell slow ticks from late ticks.
        QElapsedTimer ticks_clock;
        ticks_clock.start();
        std::vector<qint64> tick_ends;
        std::vector<int> show_ms;  // time the player spent on each picture shown
        tick_ends.reserve(2000);
        QElapsedTimer clock;
        uint64_t first_serial = 0;
        bool done = false;
        auto check = [&] {
            if (done) return;
            const auto& ui = window.logic().ui();
            // The first open assumes 100 ms per picture (step 3 every 100 ms at speed 30); the
            // count starts once an open has measured the real display time.
            if (!clock.isValid() && ui.picture_serial > 0 && window.logic().play().nStep == 1) {
                clock.start();
                first_serial = ui.picture_serial;
                counter.paints = 0;
                tick_ends.clear();
                show_ms.clear();
            }
            if (clock.isValid() && ui.picture_serial - first_serial >= 300) {
                const double s = clock.elapsed() / 1000.0;
                std::printf(
                    "speed %d, step %d, timer %d ms: %d pictures shown (%d painted) in "
                    "%.2f s = %.1f pictures/s\n",
                    window.logic().play().nFrmRate, window.logic().play().nStep,
                    window.logic().play().nTimerMs, 300, counter.paints, s, 300 / s);
                std::vector<qint64> gaps;
                for (size_t i = 1; i < tick_ends.size(); ++i)
                    gaps.push_back(tick_ends[i] - tick_ends[i - 1]);
                std::sort(gaps.begin(), gaps.end());
                if (!gaps.empty())
                    std::printf(
                        "timer ticks: %zu, gaps between ticks: 10%% %.1f ms, median %.1f ms, 90%% "
                        "%.1f ms\n",
                        tick_ends.size(), gaps[gaps.size() / 10] / 1e6, gaps[gaps.size() / 2] / 1e6,
                        gaps[gaps.size() * 9 / 10] / 1e6);
                std::sort(show_ms.begin(), show_ms.end());
                if (!show_ms.empty())
                    std::printf(
                        "time to read, decode and decorate a picture: median %d ms, 90%% %d ms\n",
                        show_ms[show_ms.size() / 2], show_ms[show_ms.size() * 9 / 10]);
                done = true;
                QApplication::quit();
            }
        };
        if (auto* timer = window.findChild<QTimer*>("Timer1"))
            QObject::connect(timer, &QTimer::timeout, [&] {
                tick_ends.push_back(ticks_clock.nsecsElapsed());
                show_ms.push_back(window.logic().play().nLastShowMs);
                check();
            });
        QTimer::singleShot(90000, [&] {
            std::fprintf(stderr, "timed out\n");
            result = 1;
            QApplication::quit();
        });
        QApplication::exec();
        window.logic().StopPlay();
    }
    if (own) std::filesystem::remove(movie);
    std::filesystem::remove(ini);
    return result;
}

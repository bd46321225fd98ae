// The display path of one 1280 x 1024 camera frame as the player runs it on every timer tick:
// read the frame, decode it, refresh the statistics and movie information, stamp the capture time
// into it, and hand it to the window, which paints it into its backing store at 100 % and 50 %.
// Run: qv-bench-display --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "audio/system_wave_out.h"
#include "recording.h"
#include "ui/picture_view.h"

namespace {

class NullPlatform : public qv::app::Platform {
  public:
    void SetTimer(bool, int) override {}
    void Beep() override {}
    void ShowMessageWindow(int) override {}
    void ShowErrorBox(const std::string&, const std::string&) override {}
    void ShowInformationBox(const std::string&, const std::string&) override {}
    std::vector<std::string> RunOpenDialog(const qv::app::OpenDialogRequest&) override {
        return {};
    }
    void ProcessPendingEvents() override {}
    void Wait(int) override {}
    void ShowAbout() override {}
    void Quit() override {}
    void WakeForAudioNotices() override {}
};

constexpr int kFrames = 30;

const std::string& Recording() {
    static const std::string path = qv::bench::WriteLargeRecording(kFrames);
    return path;
}

// One step through the movie per iteration, wrapping at its end; paint_percent 0 paints nothing.
void DisplayPath(benchmark::State& state, int paint_percent) {
    NullPlatform platform;
    qv::app::MachineServices host;
    auto reader = qv::app::MakeCameraAviReader();
    auto stream = qv::app::MakeStreamMedia();
    qv::audio::SystemWaveOutDevices sound;
    qv::app::MainWindowLogic logic(platform, host, {*reader, *stream, sound}, "");
    logic.FormCreate({Recording()});
    logic.FormResize(1096, 702);
    logic.EmbedTimestamp1Click();
    logic.FormShow(1920, 1080);
    logic.sbPauseClick();
    QImage backing(1280 * paint_percent / 100 + 1, 1024 * paint_percent / 100 + 1,
                   QImage::Format_RGB32);
    for (auto _ : state) {
        if (logic.movie().nType != qv::app::kAvi) {
            state.SkipWithError("the recording did not open");
            break;
        }
        logic.tbWhereEnter();
        logic.tbWhereChange(static_cast<int>(state.iterations() % kFrames));
        if (paint_percent > 0) {
            const QImage frame = qv::ui::WrapPicture(*logic.ui().picture);
            QPainter p(&backing);
            p.drawImage(QRect(0, 0, 1280 * paint_percent / 100, 1024 * paint_percent / 100), frame);
        }
        benchmark::DoNotOptimize(backing.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ReadDecodeDecorate(benchmark::State& state) {
    DisplayPath(state, 0);
}
void BM_ReadDecodeDecoratePaint100(benchmark::State& state) {
    DisplayPath(state, 100);
}
void BM_ReadDecodeDecoratePaint50(benchmark::State& state) {
    DisplayPath(state, 50);
}

BENCHMARK(BM_ReadDecodeDecorate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDecodeDecoratePaint100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDecodeDecoratePaint50)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (Recording().empty()) {
        std::fprintf(stderr, "cannot write the recording\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(Recording());
    return 0;
}

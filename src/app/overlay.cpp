#include "app/overlay.h"

#include "app/overlay_text.h"
#include "app/stamp.h"

namespace qv::app {

void Overlay::ResetElapsed() {
    nElapsedMsSum_ = 0;
    nElapsedSec_ = 0;
}

void Overlay::UpdateElapsed(const AviReader& reader, int frame, int capture_interval,
                            bool accumulate) {
    if (reader.HasCaptureClock() || reader.Metadata().clock_seen) {
        if (accumulate) nElapsedMsSum_ += reader.LastIntervalMs();
        nElapsedSec_ = nElapsedMsSum_ / 1000;
    } else {
        nElapsedSec_ = static_cast<int64_t>(frame) * capture_interval;
    }
    if (reader.EventRecording()) {
        ui_.SetText(ctl::lblElapsedTimeTitle, "Event Number");
        ui_.SetText(ctl::lblElapsedTime, EventNumberText(reader.EventList(), frame));
    } else {
        ui_.SetText(ctl::lblElapsedTimeTitle, "Elapsed Time");
        ui_.SetText(ctl::lblElapsedTime, FormatElapsed(nElapsedSec_));
    }
}

void Overlay::DecorateAvi(Picture& picture, AviReader& reader, int width) {
    reader.DateTime(nElapsedSec_, date_, time_);
    ui_.SetText(ctl::lblDate, date_);
    ui_.SetText(ctl::lblTime, time_);
    const DisplayFlags& flags = reader.Flags();
    ui_.Show(ctl::lblCapInterval, flags.ShowCaptureInterval);
    ui_.Show(ctl::lblCapIntervalTitle, flags.ShowCaptureInterval);
    if (flags.ShowCaptureInterval && flags.IntervalAsap) ui_.SetText(ctl::lblCapInterval, "ASAP");
    ui_.Show(ctl::lblElapsedTime, flags.ShowElapsedTime);
    ui_.Show(ctl::lblElapsedTimeTitle, flags.ShowElapsedTime);
    if (g_bEmbedTime) {
        StampTextFor(width, date_, time_, stamp_);
        StampText(picture, stamp_);
    }
}

void Overlay::DecorateTkm(Picture& picture, uint32_t t, platform::DosDateTime file_clock) {
    if (t == 0) {
        if (g_bEmbedTime) GreyBand(picture);
        return;
    }
    // Built in strings that keep their room from picture to picture: nothing is allocated while
    // the movie plays.
    char elapsed[48];
    FormatElapsedHundredths(t, elapsed, sizeof elapsed);
    ui_.status[2].assign(elapsed);
    // A .tkm carries no camera clock of its own: its pictures are timed from the file's clock.
    // (The clock record of an AVI played earlier says nothing about this recording.)
    ClockSources clocks;
    clocks.file_clock = file_clock;
    CameraDateTime(clocks, tkm_calendar_, t / 100, date_, time_);
    stamp_.assign(date_).append("  ").append(time_);
    ui_.status[3].assign(stamp_);
    if (g_bEmbedTime) StampText(picture, stamp_);
}

void Overlay::Clear() {
    ResetElapsed();
    for (size_t i = 1; i <= 3; ++i)
        ui_.status[i].clear();
    ui_.SetText(ctl::lblCapInterval, "00:00:00");
    ui_.SetText(ctl::lblElapsedTime, "0:00:00");
    ui_.SetText(ctl::lblDate, "[]");
    ui_.SetText(ctl::lblTime, "[]");
}

}  // namespace qv::app

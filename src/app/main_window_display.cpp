// Showing pictures: zoom, the image's place, the window layout, the statistics labels and the
// embedded timestamp.
#include "app/layout.h"
#include "app/main_window.h"
#include "app/overlay_text.h"
#include "app/stamp.h"
#include "app/zoom.h"

namespace qv::app {
namespace {

// The scroll box's client area lies inside its 2-pixel sunken border.
constexpr int kScrollBoxBorder = 2;

}  // namespace

void MainWindowLogic::ShowPicture(const Picture& picture) {
    ui_.picture = &picture;
    ++ui_.picture_serial;
    ui_.Show("Image1", true);
}

void MainWindowLogic::ApplyZoom() {
    ControlState& image = ui_["Image1"];
    if (nZoom_ > 0) {
        image.fill_parent = false;
        ZoomedImageSize(nZoom_, movie_.nWidth, movie_.nHeight, 0, 0, image.rect.width,
                        image.rect.height);
    }
    ui_.status[4] = ZoomText(nZoom_);
    CenterImage();
}

void MainWindowLogic::CenterImage() {
    ControlState& image = ui_["Image1"];
    const Rect& box = ui_["ScrollBox1"].rect;
    const int cw = box.width - 2 * kScrollBoxBorder, ch = box.height - 2 * kScrollBoxBorder;
    image.fill_parent = nZoom_ <= 0;
    image.rect = CenteredImage(nZoom_, image.rect.width, image.rect.height, cw, ch);
}

void MainWindowLogic::LayoutWindow() {
    const LayoutKind kind = movie_.nType == kM4v   ? LayoutKind::Stream
                            : movie_.nType == kTkm ? LayoutKind::StreamWithSound
                                                   : LayoutKind::Avi;
    LayoutPanels(ui_, kind, ui_.client_width, ui_.client_height);
    CenterImage();
}

void MainWindowLogic::FormResize(int client_width, int client_height) {
    ui_.client_width = client_width;
    ui_.client_height = client_height;
    LayoutWindow();
}

void MainWindowLogic::Image1MouseDown(MouseButton button) {
    if (button != MouseButton::Left) return;
    nZoom_ = NextClickZoom(nZoom_);
    ApplyZoom();
}

void MainWindowLogic::Zoom1X1Click() {
    nZoom_ = 100;
    ApplyZoom();
}

void MainWindowLogic::N2xzoom1Click() {
    nZoom_ = 200;
    ApplyZoom();
}

void MainWindowLogic::Varzoom1Click() {
    nZoom_ = 0;
    ApplyZoom();
}

void MainWindowLogic::UpdateElapsed() {
    if (reader_.HasCaptureClock() || reader_.Metadata().clock_seen) {
        nElapsedMsSum_ += reader_.LastIntervalMs();
        nElapsedSec_ = nElapsedMsSum_ / 1000;
    } else {
        nElapsedSec_ = static_cast<int64_t>(CurFrame()) * movie_.nCapInterval;
    }
    if (reader_.EventRecording()) {
        if (EnglishActive()) ui_.SetText("lblElapsedTimeTitle", "Event Number");
        ui_.SetText("lblElapsedTime", EventNumberText(reader_.EventList(), CurFrame()));
    } else {
        if (EnglishActive()) ui_.SetText("lblElapsedTimeTitle", "Elapsed Time");
        ui_.SetText("lblElapsedTime", FormatElapsed(nElapsedSec_));
    }
}

void MainWindowLogic::DecoratePicture(Picture& picture) {
    if (movie_.nType != kAvi) return;
    std::string date, time;
    reader_.DateTime(nElapsedSec_, date, time);
    ui_.SetText("lblDate", date);
    ui_.SetText("lblTime", time);
    const DisplayFlags& flags = reader_.Flags();
    ui_.Show("lblCapInterval", flags.ShowCaptureInterval);
    ui_.Show("lblCapIntervalTitle", flags.ShowCaptureInterval);
    if (flags.ShowCaptureInterval && flags.IntervalAsap) ui_.SetText("lblCapInterval", "ASAP");
    ui_.Show("lblElapsedTime", flags.ShowElapsedTime);
    ui_.Show("lblElapsedTimeTitle", flags.ShowElapsedTime);
    if (g_bEmbedTime_) StampText(picture, StampTextFor(movie_.nWidth, date, time));
}

void MainWindowLogic::EmbedTimestamp1Click() {
    g_bEmbedTime_ = !g_bEmbedTime_;
    ui_["EmbedTimestamp1"].checked = g_bEmbedTime_;
}

void MainWindowLogic::Deblock1Click() {
    if (bOpening_) return;
    g_nDeblockMethod_ = g_nDeblockMethod_ != 0 ? 0 : 2;
    ui_["Deblock1"].checked = g_nDeblockMethod_ != 0;
}

}  // namespace qv::app

// Showing pictures: zoom, the image's place, the window layout and the menu toggles of the
// timestamp and the deblocking filter.
#include <algorithm>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/zoom.h"

namespace qv::app {
namespace {

// The scroll box's client area lies inside its 2-pixel sunken border.
constexpr int kScrollBoxBorder = 2;

}  // namespace

void MainWindowLogic::ShowPicture(const Picture& picture) {
    ui_.picture = &picture;
    ++ui_.picture_serial;
    ui_.Show(ctl::Image1, true);
}

void MainWindowLogic::FitPicture(bool choose_zoom) {
    if (choose_zoom && bFirstAvi_) {
        nZoom_ = movie_.nWidth < 1280 ? 100 : 50;
        bFirstAvi_ = false;
    }
    // Every movie lays the window out for its kind and sizes the image for its own picture at
    // the zoom: a recording of another kind or size played before must not leave its layout or
    // stretch this one.
    ApplyZoom();
    LayoutWindow();
}

void MainWindowLogic::ApplyZoom() {
    ControlState& image = ui_[ctl::Image1];
    if (nZoom_ > 0) {
        image.fill_parent = false;
        ZoomedImageSize(nZoom_, movie_.nWidth, movie_.nHeight, 0, 0, image.rect.width,
                        image.rect.height);
    }
    ui_.status[4] = ZoomText(nZoom_);
    CenterImage();
}

void MainWindowLogic::CenterImage() {
    ControlState& image = ui_[ctl::Image1];
    const Rect& box = ui_[ctl::ScrollBox1].rect;
    const int cw = box.width - 2 * kScrollBoxBorder, ch = box.height - 2 * kScrollBoxBorder;
    image.fill_parent = nZoom_ <= 0;
    image.rect = CenteredImage(nZoom_, image.rect.width, image.rect.height, cw, ch);
}

void MainWindowLogic::LayoutWindow() {
    LayoutKind kind = LayoutKind::Avi;
    if (movie_.Kind() == RecordingKind::M4v) kind = LayoutKind::Stream;
    if (movie_.Kind() == RecordingKind::Tkm) kind = LayoutKind::StreamWithSound;
    LayoutPanels(ui_, kind, ui_.client_width, ui_.client_height);
    if (ui_.picture_only) ui_[ctl::ScrollBox1].rect = {0, 0, ui_.client_width, ui_.client_height};
    CenterImage();
}

void MainWindowLogic::SetStatusBarHeight(int height) {
    ui_[ctl::StatusBar1].rect.height = std::max(height, 19);
    LayoutWindow();
}

void MainWindowLogic::FitLabels(const TextWidth& width) {
    if (movie_info_fit_.Fit(ui_, width)) LayoutWindow();
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

void MainWindowLogic::EmbedTimestamp1Click() {
    overlay_.g_bEmbedTime = !overlay_.g_bEmbedTime;
    ui_[ctl::EmbedTimestamp1].checked = overlay_.g_bEmbedTime;
}

void MainWindowLogic::Deblock1Click() {
    if (engine_.bOpening) return;
    g_nDeblockMethod_ = g_nDeblockMethod_ != 0 ? 0 : 2;
    ui_[ctl::Deblock1].checked = g_nDeblockMethod_ != 0;
    media_.stream.SetDeblockMethod(g_nDeblockMethod_);
}

}  // namespace qv::app

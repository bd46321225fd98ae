#include "ui/thumbnail_panel.h"

#include <QPainter>

namespace qv::ui {

ThumbnailPanel::ThumbnailPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void ThumbnailPanel::SetThumbnail(const uint8_t* bgr, int width, int height, int stride) {
    image_ = bgr && width > 0 && height > 0
                 ? QImage(bgr, width, height, stride, QImage::Format_BGR888)
                 : QImage();
    update();
}

void ThumbnailPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    // A plain copy stretched over the panel: each block stays a sharp square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect(), image_);
}

}  // namespace qv::ui

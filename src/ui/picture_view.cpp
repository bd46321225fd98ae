#include "ui/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv::ui {

QImage WrapPicture(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < picture.Stride() * static_cast<size_t>(picture.height))
        return {};
    return QImage(picture.pixels.data(), picture.width, picture.height,
                  static_cast<qsizetype>(picture.Stride()), QImage::Format_BGR888);
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CopyPicture(const Picture& picture, QImage& image) {
    if (image.width() != picture.width || image.height() != picture.height ||
        image.format() != QImage::Format_RGB32)
        image = QImage(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* src = picture.Row(y);
        auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x, src += 3)
            dst[x] = 0xff000000u | uint32_t{src[2]} << 16 | uint32_t{src[1]} << 8 | src[0];
    }
}

void PictureView::SetPicture(const Picture* picture) {
    if (!picture || picture->width <= 0 || picture->height <= 0 ||
        picture->pixels.size() < picture->Stride() * static_cast<size_t>(picture->height))
        image_ = QImage();
    else
        CopyPicture(*picture, image_);
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (image_.isNull()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    if (image_.size() == size())
        p.drawImage(0, 0, image_);
    else
        p.drawImage(rect(), image_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (on_press) on_press(event->button());
}

}  // namespace qv::ui

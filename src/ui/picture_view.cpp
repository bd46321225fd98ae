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

void PictureView::SetPicture(const Picture* picture) {
    const uint8_t* data = picture ? picture->pixels.data() : nullptr;
    if (!picture) {
        image_ = QImage();
    } else if (data != wrapped_ || image_.width() != picture->width ||
               image_.height() != picture->height) {
        image_ = WrapPicture(*picture);
    }
    wrapped_ = data;
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

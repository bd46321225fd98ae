// The image control: shows the player's 24-bit picture stretched to the control's size, without
// copying it; a mouse press is the zoom click.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "media/picture/picture.h"

namespace qv::ui {

class PictureView : public QWidget {
  public:
    explicit PictureView(QWidget* parent);
    // Shows the picture (null: nothing). The picture must outlive the view or the next call; the
    // image wraps its pixels and is only rebuilt when the picture or its size changes.
    void SetPicture(const Picture* picture);
    const QImage& Image() const { return image_; }
    std::function<void(Qt::MouseButton)> on_press;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const uint8_t* wrapped_ = nullptr;
    QImage image_;
};

// The picture as an image sharing its pixels (blue, green, red bytes).
QImage WrapPicture(const Picture& picture);

}  // namespace qv::ui

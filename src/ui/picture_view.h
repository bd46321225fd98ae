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
    // Shows the picture (null: nothing). Its pixels are copied into the view's own image in the
    // backing store's format, which is sized once per picture size, so painting (also scaled)
    // needs no conversion and no allocation per frame.
    void SetPicture(const Picture* picture);
    const QImage& Image() const { return image_; }
    std::function<void(Qt::MouseButton)> on_press;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;  // 32-bit 0xffRRGGBB
};

// The picture as an image sharing its pixels (blue, green, red bytes).
QImage WrapPicture(const Picture& picture);
// Copies the picture into a 32-bit image of the same size.
void CopyPicture(const Picture& picture, QImage& image);

}  // namespace qv::ui

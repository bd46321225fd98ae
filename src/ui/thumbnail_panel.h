// The motion search panel: a sunken panel that paints the block thumbnail of a running search
// stretched over its whole inside.
#pragma once

#include <QFrame>
#include <QImage>

namespace qv::ui {

class ThumbnailPanel : public QFrame {
  public:
    explicit ThumbnailPanel(QWidget* parent);
    // The thumbnail's rows (blue, green, red bytes per block, top row first). The pixels are
    // painted from where they lie; they must stay valid until the next call. Null clears it.
    void SetThumbnail(const uint8_t* bgr, int width, int height, int stride);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

}  // namespace qv::ui

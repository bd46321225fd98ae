// The message window: caption "Error", one of four texts chosen by a selector, an OK button.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

namespace qv::ui {

class TfrmMyMsg : public QDialog {
  public:
    explicit TfrmMyMsg(QWidget* parent);
    // Shows the text of the selector (none outside 0..3) and waits for OK.
    void ShowModal(int selector);
    // The label shown while the window is up, or -1.
    int VisibleSelector() const;
    int selector = -1;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::array<QLabel*, 4> labels_{};
};

}  // namespace qv::ui

// The export dialog "Export" (range, skip, format, the save dialog behind OK) and the progress
// window of an export, drawn from the player logic's state.
#pragma once

#include <string>

#include <QDialog>
#include <functional>

#include "app/export_dialog.h"
#include "app/export_progress.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace qv::ui {

class TfrmExtract : public QDialog {
  public:
    TfrmExtract(QWidget* parent, app::ExportDialog& logic);
    // Shows the dialog and returns when OK (with a file chosen) or Cancel has hidden it.
    void Run();
    // Repaints the fields from the logic's state.
    void Sync();

  protected:
    void reject() override;  // Escape and the window's close button are Cancel

  private:
    void Handle(const std::function<void()>& handler);

    app::ExportDialog& logic_;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    QLineEdit* skip_ = nullptr;
    QLineEdit* file_ = nullptr;
    QRadioButton* as_avi_ = nullptr;
    QRadioButton* as_jpg_ = nullptr;
};

class TfrmExtProgress : public QDialog {
  public:
    explicit TfrmExtProgress(QWidget* parent);
    void Sync(const app::ExportProgress& state);

  private:
    QProgressBar* bar_ = nullptr;
    QLabel* label_ = nullptr;
    std::string caption_;  // the texts last shown, untranslated
    std::string progress_text_;
};

}  // namespace qv::ui

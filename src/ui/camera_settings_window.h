// The Camera Settings dialog: the interval of each switch position in hours, minutes and seconds
// with their arrows, the banding filter, looping, exposure lock, the clock offset and the camera's
// flash drive (its mounted folder), drawn from the dialog's logic.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "camera/camera_settings_logic.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace qv::ui {

class TfrmSetCamReg : public QDialog {
  public:
    TfrmSetCamReg(QWidget* parent, camera::CameraSettingsLogic& logic);
    // Shows the dialog modally until OK or Cancel.
    void Run();
    void FocusField(int field);
    void Sync();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void Handle(const std::function<void()>& handler);
    QWidget* BuildInterval();
    void Arrow(int field, int step);
    void FillDrives();

    camera::CameraSettingsLogic& logic_;
    std::array<QLineEdit*, 3> edits_{};
    std::array<QRadioButton*, 3> switch_{};
    std::array<QRadioButton*, 3> flicker_{};
    QComboBox* time_ = nullptr;
    QCheckBox* loop_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QComboBox* drive_ = nullptr;
    bool syncing_ = false;
};

}  // namespace qv::ui

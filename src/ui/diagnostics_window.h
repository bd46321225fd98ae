// The Diagnostics tool window: the log list with its bad-frame count, the switches for the frame
// dump, clock dump and decoder, the breakpoint, the focus score and the camera's internal values
// of the frame on screen, drawn from the diagnostics state after every change.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;

namespace qv::ui {

class TfrmDiags : public QWidget {
  public:
    // changed runs after every handler, so the main window repaints what a command changed.
    TfrmDiags(QWidget* parent, app::MainWindowLogic& logic, std::function<void()> changed);
    // Shows or hides the window as the state says and repaints it.
    void Sync();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    struct Shown {
        QLabel* label;
        const std::string* text;
        std::string last;
    };
    struct Switch {
        QCheckBox* box;
        const bool* flag;
    };
    QWidget* BuildSwitches();
    QWidget* BuildBreakpoint();
    QWidget* BuildDebugInfo();
    QWidget* BuildHiddenControls();
    QCheckBox* AddSwitch(QWidget* parent, const char* name, const char* caption, const bool& flag,
                         std::function<void(bool)> handler);
    QLabel* AddValue(QWidget* parent, const char* name, const std::string& text);
    void Handle(const std::function<void()>& handler);
    void SyncList();

    app::MainWindowLogic& logic_;
    diag::DiagnosticsLogic& diag_;
    std::function<void()> changed_;
    QListWidget* list_ = nullptr;
    QMenu* popup_ = nullptr;
    QLineEdit* retry_ = nullptr;
    QLineEdit* luma_ = nullptr;
    std::array<QRadioButton*, 4> breakpoint_{};
    std::array<QRadioButton*, 3> deblock_{};
    std::vector<Shown> shown_;
    std::vector<Switch> switches_;
    int list_generation_ = -1;
    size_t list_rows_ = 0;
    bool syncing_ = false;
};

}  // namespace qv::ui

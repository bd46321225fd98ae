// The main window: builds the controls of the window design as Qt widgets named as designed,
// forwards their signals to the player logic's handlers of the same names, repaints from the
// logic's window state, and gives the logic the toolkit's timer, dialogs, beep and event loop.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/avi_reader.h"
#include "app/host_services.h"
#include "app/main_window.h"
#include "app/platform_seam.h"
#include "app/stream_media.h"
#include "audio/system_wave_out.h"

class QLabel;
class QListWidget;
class QScrollArea;

namespace qv::ui {

class PictureView;
class ThumbnailPanel;
class TfrmExtract;
class TfrmSetCamReg;
class TfrmDiags;
class TfrmExtProgress;
class TfrmMyMsg;
class TAboutBox;

class TfrmQVMain : public QMainWindow, public app::Platform {
  public:
    // language: the interface language of the run (1 English, 2 to 5 the others), whose
    // translation is installed already.
    TfrmQVMain(const std::vector<std::string>& arguments, const std::string& settings_path,
               int language = 1);
    ~TfrmQVMain() override;

    app::MainWindowLogic& logic() { return *logic_; }
    // Repaints every control from the logic's window state.
    void Sync();
    TfrmMyMsg* message_window() { return msg_; }
    PictureView* picture_view() { return image_; }

    // Platform.
    void SetTimer(bool enabled, int interval_ms) override;
    void Beep() override;
    void ShowMessageWindow(int selector) override;
    void ShowErrorBox(const std::string& text, const std::string& caption) override;
    void ShowInformationBox(const std::string& text, const std::string& caption) override;
    std::vector<std::string> RunOpenDialog(const app::OpenDialogRequest& request) override;
    void ProcessPendingEvents() override;
    void FocusControl(app::ControlName name) override;
    std::string RunSaveDialog(const app::SaveDialogRequest& request) override;
    void RunExportDialog() override;
    void RunCameraSettingsDialog() override;
    void FocusCameraField(int field) override;
    TfrmExtract* export_dialog() { return extract_; }
    TfrmDiags* diagnostics_window() { return diags_; }
    void Wait(int ms) override;
    void ShowAbout() override;
    void Quit() override;
    void WakeForAudioNotices() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Bound {
        app::ControlName name = app::ctl::MainMenu1;
        QWidget* widget = nullptr;
        QAction* action = nullptr;
        std::string text;  // text last applied
        uint32_t rgb = 0;
    };
    void BuildControls();
    QWidget* MakeWidget(app::ControlName name, const app::ControlState& c, QWidget* parent);
    void BuildMenus();
    void Connect();
    void ApplyControl(Bound& b, const app::ControlState& c);
    void ApplyGeometry(QWidget* w, const app::ControlState& c);
    void ApplyStatus();
    void ApplyPlaylist();
    void ApplyPicture();
    void ApplyWindowGeometry();
    QWidget* Widget(app::ControlName name) const;
    QAction* Action(app::ControlName name) const;

    // Runs a handler, then repaints.
    template <typename F>
    void Handle(F&& f) {
        f();
        Sync();
    }

    std::unique_ptr<app::AviReader> reader_;
    std::unique_ptr<app::StreamMedia> stream_;
    audio::SystemWaveOutDevices sound_;
    app::MachineServices host_;
    std::unique_ptr<app::MainWindowLogic> logic_;
    // "+" and Right step forward, "-" and Left step back.
    std::array<QShortcut*, 4> step_keys_{};
    std::vector<std::string> arguments_;
    std::vector<Bound> bound_;
    QWidget* client_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    PictureView* image_ = nullptr;
    ThumbnailPanel* thumbnail_ = nullptr;
    uint64_t thumbnail_serial_ = 0;
    QListWidget* list_ = nullptr;
    std::vector<QLabel*> status_;
    std::vector<std::string> shown_status_;  // the status texts last shown, untranslated
    std::vector<std::string> shown_rows_;
    uint64_t shown_serial_ = ~0ull;
    QTimer* timer_ = nullptr;
    TfrmMyMsg* msg_ = nullptr;
    TAboutBox* about_ = nullptr;
    TfrmExtract* extract_ = nullptr;
    TfrmExtProgress* progress_ = nullptr;
    TfrmSetCamReg* camera_ = nullptr;
    TfrmDiags* diags_ = nullptr;
    bool full_screen_ = false;
    app::TextWidth text_width_;
    bool shown_ = false;
    bool syncing_ = false;
};

}  // namespace qv::ui

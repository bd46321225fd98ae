// qv-window-shots OUTDIR RECORDING...: starts the player window on the recordings, lets it play and
// saves what the window shows: playing, at each zoom, with the stamped capture time, the movie
// information of every recording, the menus, the diagnostics window and the dialogs. For looking
// at the window as a user would, e.g. under xvfb-run; --dark uses Fusion with a dark palette,
// --language N the interface language N (1 English, 2 Traditional Chinese, 3 Simplified Chinese,
// 4 Japanese, 5 Korean), QT_SCALE_FACTOR=2 doubles the scale.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/diagnostics_window.h"
#include "ui/main_window.h"
#include "ui/translation.h"

namespace {

// Writes each picture as OUTDIR/NAME.png and prints its path. A picture that cannot be written is
// reported and counted, so that the run ends with a non-zero code instead of looking complete.
struct Shots {
    QString dir;
    int failed = 0;

    void Save(QWidget& widget, const QString& name) {
        const QString path = dir + "/" + name + ".png";
        if (widget.grab().save(path)) {
            std::printf("%s\n", path.toLocal8Bit().constData());
            return;
        }
        std::fprintf(stderr, "qv-window-shots: could not write %s\n",
                     path.toLocal8Bit().constData());
        ++failed;
    }
};

}  // namespace

// Fusion with a dark palette, as a dark desktop theme gives it.
void UseDarkTheme(QApplication& app) {
    app.setStyle("Fusion");
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, QColor(120, 120, 120));
    app.setPalette(p);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int language = 1;
    std::unique_ptr<QTranslator> translation;
    while (argc > 1 && argv[1][0] == '-') {
        const std::string flag = argv[1];
        if (flag == "--dark") {
            UseDarkTheme(app);
        } else if (flag == "--language" && argc > 2) {
            language = std::atoi(argv[2]);
            translation = qv::ui::InstallLanguage(language);
            ++argv;
            --argc;
        } else {
            break;
        }
        ++argv;
        --argc;
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: qv-window-shots [--dark] [--language 1..5] OUTDIR RECORDING...\n");
        return 2;
    }
    const QString dir = argv[1];
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "qv-window-shots: could not make the folder %s\n", argv[1]);
        return 1;
    }
    Shots shots{dir};
    std::vector<std::string> files(argv + 2, argv + argc);
    qv::ui::TfrmQVMain window(files, (dir + "/shots.ini").toStdString(), language);
    window.show();
    QTest::qWait(2500);
    shots.Save(window, "playing");
    auto& logic = window.logic();
    auto step = [&](auto&& action, const char* name) {
        action();
        window.Sync();
        QTest::qWait(600);
        shots.Save(window, name);
    };
    step([&] { logic.Zoom1X1Click(); }, "zoom_100");
    step([&] { logic.Image1MouseDown(qv::app::MouseButton::Left); }, "zoom_200");
    step([&] { logic.Image1MouseDown(qv::app::MouseButton::Left); }, "zoom_50");
    step([&] { logic.Varzoom1Click(); }, "zoom_variable");
    step(
        [&] {
            logic.Zoom1X1Click();
            logic.EmbedTimestamp1Click();
        },
        "stamped");
    step([&] { logic.sbPauseClick(); }, "paused");
    for (size_t i = 1; i < files.size(); ++i) {
        step([&] { logic.bSkipClick(); }, ("entry_" + std::to_string(i)).c_str());
    }
    // The menus, each opened over the window.
    for (const char* name : {"Options1", "Help1", "Edit1", "PopupMenu1"}) {
        if (auto* menu = window.findChild<QMenu*>(name)) {
            menu->popup(window.mapToGlobal(QPoint(60, 20)));
            QTest::qWait(300);
            shots.Save(*menu, QString("menu_") + name);
            menu->hide();
        }
    }
    step([&] { logic.FullScreen1Click(); }, "full_screen");
    logic.LeaveFullScreen();
    window.Sync();
    // The diagnostics window from the Options menu, the first recording playing with the frame
    // dump on.
    logic.Diagnostics1Click();
    logic.diagnostics().bShowExpo = logic.diagnostics().bShowTimes = true;
    logic.PlayEntry(0);
    window.Sync();
    QTest::qWait(2500);
    shots.Save(*window.diagnostics_window(), "diagnostics");
    logic.diagnostics().visible = false;
    // A motion search through the playlist from its first entry, seen after a dozen frames.
    logic.PlayEntry(0);
    logic.sbPauseClick();
    logic.ui()[qv::app::ctl::edtMotionThreshold].text = "250";  // finds nothing: walks all
    int yields = 0;
    std::function<void()> watch = [&] {
        if (++yields == 12) {
            shots.Save(window, "searching");
            return;
        }
        QTimer::singleShot(0, &window, watch);
    };
    QTimer::singleShot(0, &window, watch);
    logic.sbSearchForwardClick();
    window.Sync();
    QTest::qWait(300);
    shots.Save(window, "search_done");
    // The export dialog and the Camera Settings dialog over the window, each then cancelled.
    // A dialog without a name of its own (a message box) is the one shown modally.
    auto shoot_dialog = [&](const char* dialog_name, const char* name, auto open) {
        QTimer::singleShot(300, &window, [&, dialog_name, name] {
            auto* dialog = dialog_name ? window.findChild<QDialog*>(dialog_name)
                                       : qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                shots.Save(*dialog, name);
                dialog->reject();
            }
        });
        open();
    };
    shoot_dialog("frmExtract", "export_dialog", [&] { logic.Extract1Click(); });
    shoot_dialog("frmSetCamReg", "camera_settings", [&] { logic.CameraSettings1Click(); });
    // The message window (its longest text), the keyboard reference and the About box.
    shoot_dialog("frmMyMsg", "message", [&] { window.ShowMessageWindow(qv::app::kMsgNoDir); });
    shoot_dialog(nullptr, "keyboard", [&] { logic.Keys1Click(); });
    logic.About1Click();
    QTest::qWait(300);
    if (auto* about = window.findChild<QDialog*>("AboutBox")) {
        shots.Save(*about, "about");
        about->hide();
    }
    window.close();
    return shots.failed == 0 ? 0 : 1;
}

// The real main window on two camera recordings, offscreen: the older recording plays first, the
// timer advances the frame number, keys step (once per key, whichever control has the focus), the
// seek bar seeks, the picture on screen is the decoder's picture at 100 % zoom, closing writes the
// speed into the settings file, going on to the next recording leaves the focus where the user
// put it, and labels keep the theme's text colour.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <thread>

#include "app/ini_file.h"
#include "fixtures/camera_recording.h"
#include "media/avi/avi_movie.h"
#include "search/search_fixture.h"
#include "ui/diagnostics_window.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void playsStepsSeeksAndSavesTheSpeed();
    void stepKeysActOnceWhicheverControlHasTheFocus();
    void goingOnToTheNextRecordingLeavesTheFocusAlone();
    void labelsKeepTheThemeTextColour();
    void searchForwardFindsMotionInTheNextRecording();
    void exportDialogProposesNamesAndStaysOpenWhenTheSaveDialogIsCancelled();
    void cameraSettingsFromTheOptionsMenuWriteTheFileOnTheChosenDrive();
    void diagnosticsWindowOpensFromTheMenuAndShowsTheFramesValues();
    void escapeClearsThePlaylistOnlyFromTheListAndUndoBringsItBack();

  private:
    int PanelFrame(qv::ui::TfrmQVMain& w);
    fs::path dir_;
    std::string older_, newer_;
};

namespace {

qv::fixtures::RecordingOptions Recording(int frames, uint8_t shade) {
    qv::fixtures::RecordingOptions o;
    o.avi.width = 320;
    o.avi.height = 240;
    o.avi.scale = 1;
    o.avi.rate = 30;
    o.frame_count = frames;
    o.picture = [shade](int frame, int w, int h) {
        qv::fixtures::RgbImage img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.Set(x, y, shade, static_cast<uint8_t>(y * 2),
                        static_cast<uint8_t>(x + frame * 7));
        return img;
    };
    return o;
}

}  // namespace

void MainWindowTest::initTestCase() {
    char tmpl[] = "/tmp/qv_window_XXXXXX";
    dir_ = mkdtemp(tmpl);
    // Written one after the other, so the first one is the older recording.
    older_ = (dir_ / "zz_made_first.avi").string();
    newer_ = (dir_ / "aa_made_second.avi").string();
    QVERIFY(
        qv::fixtures::WriteBytes(older_, qv::fixtures::MakeRecording(Recording(40, 30)).avi.bytes));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    QVERIFY(qv::fixtures::WriteBytes(newer_,
                                     qv::fixtures::MakeRecording(Recording(40, 220)).avi.bytes));
}

void MainWindowTest::cleanupTestCase() {
    fs::remove_all(dir_);
}

int MainWindowTest::PanelFrame(qv::ui::TfrmQVMain& w) {
    auto* panel = w.findChild<QLabel*>("StatusPanel3");
    if (!panel || !panel->text().startsWith("Frame ")) return -1;
    return panel->text().mid(6).toInt();
}

void MainWindowTest::playsStepsSeeksAndSavesTheSpeed() {
    const std::string ini = (dir_ / "qvplay.ini").string();
    // Listed oldest first: with equal times the later argument would go in front.
    qv::ui::TfrmQVMain window({older_, newer_}, ini);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The older recording plays first, and the timer moves the frame on.
    QCOMPARE(window.windowTitle(), QString("zz_made_first.avi"));
    auto* list = window.findChild<QWidget*>("lbPlayList");
    QVERIFY(list);
    QTRY_VERIFY_WITH_TIMEOUT(PanelFrame(window) >= 3, 5000);
    const int before = PanelFrame(window);
    QTRY_VERIFY_WITH_TIMEOUT(PanelFrame(window) > before, 5000);

    // Pause, then step with the keys.
    auto* pause = window.findChild<QToolButton*>("sbPause");
    QVERIFY(pause && pause->isEnabled());
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(!pause->isEnabled());
    const int paused = PanelFrame(window);
    QTest::keyClick(&window, '+');
    QCOMPARE(PanelFrame(window), paused + 1);
    QTest::keyClick(&window, Qt::Key_Right);
    QCOMPARE(PanelFrame(window), paused + 2);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, '-');
    QCOMPARE(PanelFrame(window), paused);

    // Seek with the seek bar while it has the focus.
    auto* where = window.findChild<QSlider*>("tbWhere");
    QVERIFY(where && where->isVisible());
    QCOMPARE(where->maximum(), 39);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    where->setFocus();
    QTRY_VERIFY(where->hasFocus());
    where->setValue(17);
    QCOMPARE(PanelFrame(window), 18);

    // At 100 % the image shows our decoder's picture of frame 17 pixel for pixel.
    QCOMPARE(window.logic().zoom(), 100);
    auto* image = window.picture_view();
    QCOMPARE(image->size(), QSize(320, 240));
    const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB888);
    qv::CameraMetadata metadata;
    qv::DisplayFlags flags;
    qv::DecoderSwitches switches;
    qv::AviMovie movie(metadata, flags, switches);
    QCOMPARE(movie.AviOpen(older_), 0);
    movie.AviSetFrame(17);
    QCOMPARE(movie.AviReadFrame(17), 0);
    qv::Picture decoded;
    decoded.Allocate(320, 240);
    QCOMPARE(movie.AviDecodeCurrent(decoded), 0);
    int differing = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const uint8_t* want = decoded.Row(y) + x * 3;       // blue, green, red
            const uchar* got = shown.constScanLine(y) + x * 3;  // red, green, blue
            if (got[0] != want[2] || got[1] != want[1] || got[2] != want[0]) ++differing;
        }
    QCOMPARE(differing, 0);

    // Play on at the speed set on the bar, then close: the settings file keeps that speed.
    auto* rate = window.findChild<QSlider*>("tbRate");
    QVERIFY(rate);
    // The bar fills from the bottom with the speed: value 24 of 0..29 is speed 25.
    rate->setValue(24);
    auto* speed_label = window.findChild<QLabel*>("lblRate");
    QCOMPARE(speed_label->text(), QString("25"));
    QTest::mouseClick(window.findChild<QToolButton*>("sbForward"), Qt::LeftButton);
    QVERIFY(window.logic().play().bPlaying);
    window.close();
    qv::app::IniFile saved;
    QVERIFY(saved.Load(ini));
    QCOMPARE(saved.GetInt("settings", "nFrmRate", -1), 25);
    QCOMPARE(saved.GetInt("settings", "nZoom", -1), 100);
}

void MainWindowTest::stepKeysActOnceWhicheverControlHasTheFocus() {
    qv::ui::TfrmQVMain window({older_, newer_}, (dir_ / "keys.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.logic().sbPauseClick();
    window.Sync();
    auto* list = window.findChild<QWidget*>("lbPlayList");
    auto* where = window.findChild<QSlider*>("tbWhere");
    QVERIFY(list && where && where->isVisible());
    for (QWidget* focus : {list, static_cast<QWidget*>(where)}) {
        focus->setFocus();
        QTRY_VERIFY(focus->hasFocus());
        const int before = PanelFrame(window);
        QTest::keyClick(focus, '+');
        QCOMPARE(PanelFrame(window), before + 1);
        QTest::keyClick(focus, Qt::Key_Right);
        QCOMPARE(PanelFrame(window), before + 2);
        QTest::keyClick(focus, Qt::Key_Left);
        QCOMPARE(PanelFrame(window), before + 1);
    }
}

void MainWindowTest::goingOnToTheNextRecordingLeavesTheFocusAlone() {
    qv::ui::TfrmQVMain window({older_, newer_}, (dir_ / "focus.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget other;
    other.setWindowTitle("another application's window");
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    // What the timer does at the end of a recording.
    window.logic().PlayEntry(1);
    window.Sync();
    QTest::qWait(100);
    QVERIFY(window.logic().play().bPlaying);
    QVERIFY(other.isActiveWindow());
}

void MainWindowTest::labelsKeepTheThemeTextColour() {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    {
        qv::ui::TfrmQVMain window({older_}, (dir_ / "theme.ini").string());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(PanelFrame(window) >= 1);
        for (const char* name : {"lblDate", "lblTime", "lblCapInterval", "lblElapsedTime"}) {
            auto* label = window.findChild<QLabel*>(name);
            QVERIFY(label);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(230, 230, 230));
        }
    }
    QApplication::setPalette(before);
}

void MainWindowTest::searchForwardFindsMotionInTheNextRecording() {
    using qv::search::testing::WriteScene;
    const std::string still = WriteScene("still.avi", {.frames = 8});
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::string moving = WriteScene("moving.avi", {.frames = 12, .steps = {{9, 60}}});
    qv::ui::TfrmQVMain window({still, moving}, (dir_ / "search.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QToolButton*>("sbPause"), Qt::LeftButton);
    auto* threshold = window.findChild<QLineEdit*>("edtMotionThreshold");
    QVERIFY(threshold);
    threshold->selectAll();
    QTest::keyClicks(threshold, "25");
    auto* search = window.findChild<QToolButton*>("sbSearchForward");
    QVERIFY(search && search->isEnabled());
    QTest::mouseClick(search, Qt::LeftButton);
    QCOMPARE(window.windowTitle(), QString("moving.avi"));
    QCOMPARE(PanelFrame(window), 10);
    auto* found = window.findChild<QLabel*>("lblSearchFound");
    QVERIFY(found && found->isVisible());
    QCOMPARE(found->text(), QString("Found"));
    QVERIFY(!window.findChild<QLabel*>("lblSrchMsg")->isVisible());
    QCOMPARE(window.logic().settings().nMotionThreshold, 25);
}

void MainWindowTest::exportDialogProposesNamesAndStaysOpenWhenTheSaveDialogIsCancelled() {
    qv::ui::TfrmQVMain window({older_}, (dir_ / "export.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.logic().sbPauseClick();
    auto& logic = window.logic().export_dialog();
    bool checked = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = window.findChild<QDialog*>("frmExtract");
        QVERIFY(dialog && dialog->isVisible());
        auto* file = dialog->findChild<QLineEdit*>("edtExtractFile");
        QVERIFY(file->text().endsWith("zz_made_first_00001_00040.avi"));
        auto buttons = dialog->findChildren<QRadioButton*>();
        QCOMPARE(buttons.size(), 2);
        buttons[1]->click();  // JPG sequence
        QVERIFY(file->text().endsWith("zz_made_first_.jpg"));
        QCOMPARE(logic.filter_label, std::string("JPEG Pictures"));
        // OK opens the save dialog; cancelling it keeps the export dialog open.
        QTimer::singleShot(50, &window, [&] {
            auto* save = window.findChild<QFileDialog*>("SaveDialog1");
            QVERIFY(save && save->isVisible());
            QCOMPARE(save->defaultSuffix(), QString("jpg"));
            save->reject();
        });
        dialog->findChild<QPushButton*>("bbOK")->click();
        QVERIFY(dialog->isVisible());
        checked = true;
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    window.logic().Extract1Click();
    window.Sync();
    QVERIFY(checked);
    QVERIFY(!logic.bExportConfirmed);
    QCOMPARE(window.logic().settings().g_nExportMode, 1);
}

void MainWindowTest::cameraSettingsFromTheOptionsMenuWriteTheFileOnTheChosenDrive() {
    qv::ui::TfrmQVMain window({}, (dir_ / "camera.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* options = window.findChild<QMenu*>("Options1");
    QVERIFY(options && options->menuAction()->isVisible());
    const fs::path drive = dir_ / "drive";
    fs::create_directories(drive);
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = window.findChild<QDialog*>("frmSetCamReg");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLineEdit*>("edtSeconds")->text(), QString("1"));
        window.logic().camera_settings().cbDriveChange(drive.string());
        // Ten seconds typed into position 1, then OK.
        auto* seconds = dialog->findChild<QLineEdit*>("edtSeconds");
        seconds->selectAll();
        QTest::keyClicks(seconds, "10");
        QTest::keyClick(seconds, 'x');  // swallowed with a beep
        QCOMPARE(seconds->text(), QString("10"));
        dialog->findChild<QPushButton*>("bOK")->click();
    });
    window.logic().CameraSettings1Click();
    QVERIFY(fs::exists(drive / "DCIM" / "100tarkn" / "REGISTRY.LDR"));
    QCOMPARE(fs::file_size(drive / "DCIM" / "100tarkn" / "REGISTRY.LDR"), uintmax_t{30});
    QCOMPARE(window.logic().settings().nInt1, 10);
}

QTEST_MAIN(MainWindowTest)
void MainWindowTest::diagnosticsWindowOpensFromTheMenuAndShowsTheFramesValues() {
    qv::ui::TfrmQVMain window({older_}, (dir_ / "diagnostics.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* diags = window.diagnostics_window();
    QVERIFY(!diags->isVisible());
    window.findChild<QAction*>("Diagnostics1")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(diags));
    window.logic().sbPauseClick();
    diags->findChild<QCheckBox*>("cbShowTimes")->click();
    QVERIFY(window.logic().diagnostics().bShowTimes);
    window.logic().sbNextClick();
    window.Sync();
    QVERIFY(diags->findChild<QListWidget*>("ListBox1")->count() > 0);
    QCOMPARE(diags->findChild<QLabel*>("lblFWRev")->text(),
             QString::fromStdString(window.logic().diagnostics().values.lblFWRev));
    diags->close();
    QVERIFY(!window.logic().diagnostics().visible);
}

void MainWindowTest::escapeClearsThePlaylistOnlyFromTheListAndUndoBringsItBack() {
    qv::ui::TfrmQVMain window({older_, newer_}, (dir_ / "escape.ini").string());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = window.findChild<QListWidget*>("lbPlayList");
    auto* rate = window.findChild<QSlider*>("tbRate");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_Escape);
    QCOMPARE(list->count(), 2);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    QCOMPARE(list->count(), 0);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->toolTip(), QString::fromStdString(older_));
}

#include "main_window_test.moc"

// The four translations, offscreen: each translation file is finished and keeps the placeholders,
// line breaks and access keys of its sources; each covers every text the windows can show,
// numbers carried across included; and in each language every caption of the main window fits its
// control at the designed window size, on recordings that fill the movie information.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>
#include <filesystem>

#include "app/overlay_text.h"
#include "app/zoom.h"
#include "fixtures/camera_recording.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/window_texts.h"

namespace fs = std::filesystem;

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void filesAreFinishedAndKeepPlaceholdersAndKeys();
    void everyTextIsTranslatedAndTheMainWindowCaptionsFit();

  private:
    fs::path dir_;
    std::vector<std::string> recordings_;
    QStringList english_;  // every text the windows can show, from a window built in English
};

namespace {

// %1 .. %9, the line breaks and the access keys of a text: what its translation must keep.
struct Shape {
    QStringList placeholders;
    qsizetype lines = 0;
    int keys = 0;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(const QString& text) {
    Shape s;
    for (auto it = QRegularExpression("%[1-9]").globalMatch(text); it.hasNext();)
        s.placeholders << it.next().captured();
    s.placeholders.sort();
    s.lines = text.count('\n');
    s.keys = static_cast<int>(QString(text).remove("&&").count('&'));
    return s;
}

// The text a control shows: "&&" is one "&", a single "&" marks the access key.
QString Shown(QString text) {
    return text.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
}

qv::fixtures::RecordingOptions Model(const std::string& tag, int mode) {
    qv::fixtures::RecordingOptions o;
    o.avi.width = 160;
    o.avi.height = 120;
    o.avi.junk = {{tag, static_cast<uint8_t>(mode)}};
    o.frame_count = 12;
    o.family_text = "Tarkon " + tag;
    o.settings.model = qv::fixtures::ModelCodeForTag(tag);
    o.settings.timer_start = 16;
    o.settings.timer_stop = 88;
    return o;
}

}  // namespace

void TranslationTest::initTestCase() {
    char tmpl[] = "/tmp/qv_translation_XXXXXX";
    dir_ = mkdtemp(tmpl);
    // The longest values of each model's movie information: a professional model with the
    // longest white-balance and scene words, the first model with its own exposure title, and
    // a motion-triggered recording in hybrid mode with its event number and PIR panel.
    qv::fixtures::RecordingOptions pro = Model("KMXPLS", 0);
    pro.settings.wb_mode = 5;
    pro.settings.scene = 6;
    pro.settings.hdr_range = 1;
    qv::fixtures::RecordingOptions first = Model("KMX310", 0);
    first.settings.scene = 1;
    qv::fixtures::RecordingOptions events = Model("WDX310", 2);
    events.event_recording = true;
    events.event_frames = {2, 3, 8};
    events.pir_frames = {2, 8};
    const std::pair<const char*, const qv::fixtures::RecordingOptions*> made[] = {
        {"pro.avi", &pro}, {"first.avi", &first}, {"events.avi", &events}};
    for (const auto& [name, o] : made) {
        recordings_.push_back((dir_ / name).string());
        QVERIFY(qv::fixtures::WriteBytes(recordings_.back(),
                                         qv::fixtures::MakeRecording(*o).avi.bytes));
    }
    qv::ui::TfrmQVMain english({}, (dir_ / "english.ini").string());
    english_ = qv::ui::WindowTexts(&english);
    QVERIFY(english_.size() > 150);
}

void TranslationTest::cleanupTestCase() {
    fs::remove_all(dir_);
}

void TranslationTest::filesAreFinishedAndKeepPlaceholdersAndKeys() {
    for (int language = 2; language <= qv::ui::kLanguageCount; ++language) {
        const QString code = qv::ui::LanguageCode(language);
        QFile file(QString(QV_SOURCE_DIR "/translations/qvplay_%1.ts").arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"source") source = xml.readElementText();
            if (xml.name() != u"translation") continue;
            ++messages;
            const QString what = code + ": " + source;
            QVERIFY2(xml.attributes().value("type") != u"unfinished", qPrintable(what));
            const QString text = xml.readElementText();
            QVERIFY2(!text.isEmpty(), qPrintable(what));
            QVERIFY2(ShapeOf(text) == ShapeOf(source), qPrintable(what + " -> " + text));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(messages, english_.size());
    }
}

void TranslationTest::everyTextIsTranslatedAndTheMainWindowCaptionsFit() {
    // Texts the player writes while it runs, numbers carried across into the translation.
    const QStringList run_time = {
        QString::fromStdString(qv::app::ZoomText(50)),
        QString::fromStdString(qv::app::ZoomText(200)),
        QString::fromStdString(qv::app::FormatElapsed(90061)),
        QString::fromStdString(qv::app::EventNumberText({10, 20, 30}, 20)),
        "Exporting 270 frames",
        "Frame 12",
        "5000 Daylight"};
    for (int language = 2; language <= qv::ui::kLanguageCount; ++language) {
        const QString code = qv::ui::LanguageCode(language);
        std::unique_ptr<QTranslator> translator = qv::ui::InstallLanguage(language);
        QVERIFY2(translator, qPrintable(code));
        for (const QString& text : english_)
            QVERIFY2(!translator->translate("qvplay", text.toUtf8().constData()).isEmpty(),
                     qPrintable(code + ": " + text));
        for (const QString& text : run_time)
            QVERIFY2(qv::ui::Tr(text) != text, qPrintable(code + ": " + text));

        qv::ui::TfrmQVMain window(recordings_, (dir_ / (code + ".ini").toStdString()).string(),
                                  language);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int entry = 0; entry < static_cast<int>(recordings_.size()); ++entry) {
            window.logic().PlayEntry(entry);
            window.logic().sbPauseClick();
            window.resize(1104, 752);
            window.Sync();
            QVERIFY2(window.findChild<QWidget*>("gbMovieInfo")->isVisible(),
                     qPrintable(code + ": movie information hidden"));
            for (QWidget* w : window.findChildren<QWidget*>()) {
                if (!w->isVisible() || w->isWindow()) continue;
                QString text;
                int room = w->width();
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    if (l->wordWrap()) continue;
                    text = l->text();
                } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                    text = g->title();
                } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                    text = b->text();
                    if (qobject_cast<QCheckBox*>(w))
                        room -=
                            w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                            w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
                    else if (qobject_cast<QPushButton*>(w))
                        room -= 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
                }
                if (text.isEmpty()) continue;
                // No caption is left in English: each went through the translation.
                QVERIFY2(qv::ui::Tr(text) == text,
                         qPrintable(code + ": " + w->objectName() + " shows " + text));
                const int needed = w->fontMetrics().horizontalAdvance(Shown(text));
                QVERIFY2(needed <= room, qPrintable(QString("%1: %2 \"%3\" needs %4 of %5 pixels")
                                                        .arg(code, w->objectName(), text)
                                                        .arg(needed)
                                                        .arg(room)));
            }
        }
        window.close();
        QCoreApplication::removeTranslator(translator.get());
    }
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"

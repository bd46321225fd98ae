// qv-ui-texts [FILE.ts...]: builds the player's windows (without showing them) and lists every
// English text they can show, one to a line; given translation files, brings each up to date
// instead: every text gets an entry, the translations already made are kept, new entries are
// marked unfinished and entries for texts the windows no longer show are dropped.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/window_texts.h"

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};

// The translations a file holds, by source text, and its language.
QMap<QString, Entry> ReadTs(const QString& path, QString& language) {
    QMap<QString, Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"TS") language = xml.attributes().value("language").toString();
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value("type") == u"unfinished";
            const QString text = xml.readElementText();
            entries[source] = {text, !unfinished && !text.isEmpty()};
        }
    }
    return entries;
}

bool WriteTs(const QString& path, const QString& language, const QStringList& texts,
             const QMap<QString, Entry>& old) {
    // Written whole beside the file and put in its place, or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD("<!DOCTYPE TS>");
    xml.writeStartElement("TS");
    xml.writeAttribute("version", "2.1");
    xml.writeAttribute("language", language);
    xml.writeStartElement("context");
    xml.writeTextElement("name", "qvplay");
    for (const QString& text : texts) {
        const Entry e = old.value(text);
        xml.writeStartElement("message");
        xml.writeTextElement("source", text);
        xml.writeStartElement("translation");
        if (!e.finished) xml.writeAttribute("type", "unfinished");
        xml.writeCharacters(e.translation);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError() && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    qv::ui::TfrmQVMain window({}, (scratch.path() + "/texts.ini").toStdString());
    const QStringList texts = qv::ui::WindowTexts(&window);
    if (argc < 2) {
        for (const QString& t : texts)
            std::printf("%s\n", QString(t).replace("\n", "\\n").toUtf8().constData());
        return 0;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        QString language;
        const QMap<QString, Entry> old = ReadTs(argv[i], language);
        if (language.isEmpty()) language = QFileInfo(argv[i]).baseName().section('_', 1);
        if (!WriteTs(argv[i], language, texts, old)) {
            std::fprintf(stderr, "qv-ui-texts: cannot write %s\n", argv[i]);
            status = 1;
        }
    }
    return status;
}

#include "ui/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include "app/ini_file.h"
#include "app/settings.h"

namespace qv::ui {
namespace {

// Every window text is one context: the same words read the same in every window.
constexpr const char* kContext = "qvplay";

}  // namespace

const char* LanguageCode(int number) {
    switch (number) {
        case 2:
            return "zh_TW";
        case 3:
            return "zh_CN";
        case 4:
            return "ja";
        case 5:
            return "ko";
        default:
            return "";
    }
}

int LanguageForLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Chinese:
            // Traditional script for Taiwan, Hong Kong and Macau, or where asked for.
            if (locale.script() == QLocale::TraditionalChineseScript ||
                locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong ||
                locale.territory() == QLocale::Macau)
                return 2;
            return 3;
        case QLocale::Japanese:
            return 4;
        case QLocale::Korean:
            return 5;
        default:
            return 1;
    }
}

std::unique_ptr<QTranslator> InstallLanguage(int number) {
    if (number < 2 || number > kLanguageCount) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString(":/i18n/qvplay_%1.qm").arg(LanguageCode(number)))) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

int ChooseLanguage(const std::string& settings_path, const QLocale& locale) {
    app::IniFile settings;
    if (!settings_path.empty()) settings.Load(settings_path);
    const int asked = settings.GetInt(app::kSettingsSection, "TestLanguage", 0);
    return asked > 0 ? asked : LanguageForLocale(locale);
}

QString Tr(const QString& english) {
    if (english.isEmpty()) return english;
    const QString whole = QCoreApplication::translate(kContext, english.toUtf8().constData());
    if (whole != english) return whole;
    // Numbers stand in the text as %1, %2, ... and are put back into the translation.
    static const QRegularExpression kNumber("\\d+");
    QStringList numbers;
    QString pattern;
    qsizetype from = 0;
    for (auto it = kNumber.globalMatch(english); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (numbers.size() == 9) return english;
        pattern += english.mid(from, m.capturedStart() - from);
        numbers << m.captured();
        pattern += QString("%%1").arg(numbers.size());
        from = m.capturedEnd();
    }
    if (numbers.isEmpty()) return english;
    pattern += english.mid(from);
    QString translated = QCoreApplication::translate(kContext, pattern.toUtf8().constData());
    if (translated == pattern) return english;
    for (const QString& n : numbers)
        translated = translated.arg(n);
    return translated;
}

void TranslateWindow(QWidget* window) {
    window->setWindowTitle(Tr(window->windowTitle()));
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->toolTip().isEmpty()) w->setToolTip(Tr(w->toolTip()));
        if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(Tr(l->text()));
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(Tr(b->text()));
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(Tr(g->title()));
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                c->setItemText(i, Tr(c->itemText(i)));
        for (QAction* a : w->actions())
            a->setText(Tr(a->text()));
    }
}

}  // namespace qv::ui

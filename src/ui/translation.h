// The interface languages: English (the texts as the windows are written), Traditional Chinese,
// Simplified Chinese, Japanese and Korean, numbered 1 to 5 as the settings file's
// "TestLanguage" numbers them. Translations are built into the program; every window text is
// looked up in the active one, numbers in a text carried across ("Frames = 270" is looked up as
// "Frames = %1"), and a text without a translation stays as written.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

class QWidget;

namespace qv::ui {

inline constexpr int kLanguageCount = 5;
// The file name part of each language's translation ("" for English).
const char* LanguageCode(int number);
// The language the desktop's locale asks for: 1 (English) unless it is one of the other four.
int LanguageForLocale(const QLocale& locale);

// Loads and installs the built-in translation of a language (nothing for English). The
// translator stays installed while the returned object lives; null when there is none.
std::unique_ptr<QTranslator> InstallLanguage(int number);

// The language of this run: "TestLanguage" in the settings file when it is above 0, else the
// one the desktop's locale asks for.
int ChooseLanguage(const std::string& settings_path, const QLocale& locale);

// A window text in the active language.
QString Tr(const QString& english);
inline QString Tr(const std::string& english) {
    return Tr(QString::fromStdString(english));
}
inline QString Tr(const char* english) {
    return Tr(QString::fromUtf8(english));
}

// Translates, once, the captions of a window built in English: labels, buttons, group titles,
// tool tips, menu items, list and combo box entries and the window title.
void TranslateWindow(QWidget* window);

}  // namespace qv::ui

// qvplay: the player window. Every argument is a movie added to the playlist; --help (or -h)
// prints the usage and the settings file instead, without a display.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/settings.h"
#include "ui/main_window.h"
#include "ui/translation.h"

namespace {

// Qt cannot open a window without a display server; say so instead of aborting.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

bool AsksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

void PrintHelp() {
    const std::string settings = qv::app::DefaultSettingsPath();
    std::printf(
        "usage: qvplay [FILE...]\n"
        "Plays time-lapse camera recordings: camera AVI (.avi), MPEG-4 streams (.m4v) and\n"
        "MPEG-4 streams with sound (.tkm). The files play as one movie, in the order they\n"
        "were made; more can be opened from the File menu or dropped on the window.\n\n"
        "Settings file of this run: %s\n",
        settings.empty() ? "none (neither XDG_CONFIG_HOME nor HOME is set)" : settings.c_str());
}

// The icon the desktop shows for the window: every size rendered from the player's SVG.
QIcon PlayerIcon() {
    QIcon icon;
    for (const QString& name : QDir(":/icons").entryList())
        icon.addFile(":/icons/" + name);
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForHelp(argc, argv)) {
        PrintHelp();
        return 0;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "qvplay: no display to open the window on; run it as: xvfb-run -a %s "
                     "FILES...\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillo Video Player");
    QApplication::setDesktopFileName("qvplay");
    QApplication::setWindowIcon(PlayerIcon());
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        files.emplace_back(argv[i]);
    const std::string settings = qv::app::DefaultSettingsPath();
    // The translation is in place before any window is built.
    const int language = qv::ui::ChooseLanguage(settings, QLocale::system());
    const std::unique_ptr<QTranslator> translation = qv::ui::InstallLanguage(language);
    qv::ui::TfrmQVMain window(files, settings, language);
    window.show();
    return QApplication::exec();
}

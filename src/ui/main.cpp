// qvplay: the player window. Every argument is a movie added to the playlist.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/settings.h"
#include "ui/main_window.h"

namespace {

// Qt cannot open a window without a display server; say so instead of aborting.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "qvplay: no display to open the window on; run it as: xvfb-run -a %s "
                     "FILES...\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillo Video Player");
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        files.emplace_back(argv[i]);
    qv::ui::TfrmQVMain window(files, qv::app::DefaultSettingsPath());
    window.show();
    return QApplication::exec();
}

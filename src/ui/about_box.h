// The About window: the program's title and its version "Version %d.%d.%d.%d".
#pragma once

#include <QDialog>
#include <QString>

namespace qv::ui {

class TAboutBox : public QDialog {
  public:
    explicit TAboutBox(QWidget* parent);
};

// "Version 0.1.0.0" for this build.
QString VersionText();

}  // namespace qv::ui

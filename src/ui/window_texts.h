// Every English text the player's windows can show: the captions, hints, menu items and titles
// of every window as built, and the texts the player writes into them while it runs (numbers
// as %1, %2, ...). Each language's translation holds one entry for each of them.
#pragma once

#include <QStringList>

class QWidget;

namespace qv::ui {

// The texts of main_window and every window it owns, with the run-time texts, sorted, each once.
QStringList WindowTexts(QWidget* main_window);

}  // namespace qv::ui

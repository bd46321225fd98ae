// The transport buttons' glyphs, drawn in the colours of the current palette (the text colour,
// and the disabled text colour for a button that is off), so they read on light and dark themes
// at scales 1 to 3.
#pragma once

#include <QIcon>
#include <QPalette>

#include "app/control_names.h"

namespace qv::ui {

// The glyph of a transport, search or event button; a null icon for any other control.
QIcon TransportIcon(app::ControlName name, const QPalette& palette);

}  // namespace qv::ui

// Sizes the movie information group's columns from the texts they show in the window's font:
// each title column as wide as its widest title, each value column as wide as its widest value,
// the model panels to the right of the values and the group around them, so no text is cut or
// runs into its neighbour in any language. The designed sizes are the least ones.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/ui_state.h"

namespace qv::app {

// Width in pixels of a text in the labels' font, bold or not.
using TextWidth = std::function<int(const std::string& text, bool bold)>;

class MovieInfoFit {
  public:
    // Measures again only when a text of the group changed since the last call; true when the
    // group's width changed (the window then needs its layout again).
    bool Fit(UiState& ui, const TextWidth& width);

  private:
    std::vector<std::string> measured_;  // the group's texts at the last measurement
};

}  // namespace qv::app

// Arranges the main window's panels for its client size and the kind of movie that is open.
#pragma once

#include "app/ui_state.h"

namespace qv::app {

enum class LayoutKind { Avi, Stream, StreamWithSound };

// Size of the movie information group as designed (the playlist above it is as wide).
inline constexpr int kMovieInfoWidth = 281;
inline constexpr int kMovieInfoHeight = 177;

// Moves and sizes the panels of ui for client_width x client_height (the area between the menu and
// the window's bottom edge, status bar included).
void LayoutPanels(UiState& ui, LayoutKind kind, int client_width, int client_height);

}  // namespace qv::app

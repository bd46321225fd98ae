#include "app/layout.h"

#include <algorithm>

namespace qv::app {
namespace {

// Least height of the playlist group when the window is short: two rows, the path and the
// buttons.
constexpr int kShortPlaylistHeight = 150;

// The playlist group at (left, top), at most 200 high, with its rows, path and buttons inside;
// reserve is kept free below it (for the movie information) as long as the list keeps its least
// height.
void PlacePlaylist(UiState& ui, int left, int top, int ch, int reserve = 0) {
    Rect& list = ui[ctl::gbPlayList].rect;
    list.left = left;
    list.top = top;
    list.height = std::min(ch - list.top - 4, 200);
    if (reserve > 0)
        list.height = std::min(list.height, std::max(ch - top - reserve, kShortPlaylistHeight));
    Rect& rows = ui[ctl::lbPlayList].rect;
    Rect& path = ui[ctl::lblFilePath].rect;
    Rect& buttons = ui[ctl::pnlPLControls].rect;
    rows.height = list.height - rows.top - buttons.height - path.height - 12;
    path.top = rows.Bottom() + 4;
    buttons.top = path.Bottom() + 4;
}

void LayoutAviPanels(UiState& ui, int cw, int ch) {
    Rect& box = ui[ctl::ScrollBox1].rect;
    Rect& play = ui[ctl::pnlPlayCtrl].rect;
    Rect& seek = ui[ctl::gbSeek].rect;
    Rect& rate = ui[ctl::gbPlayRate].rect;
    Rect& stats = ui[ctl::gbStats].rect;
    Rect& motion = ui[ctl::gbMotion].rect;
    Rect& list = ui[ctl::gbPlayList].rect;
    Rect& info = ui[ctl::gbMovieInfo].rect;
    // The movie information widens with longer texts; the picture gives way to it and the
    // playlist above it keeps its width.
    const int widened = std::max(info.width - kMovieInfoWidth, 0);
    box.width = cw - rate.width - stats.width - motion.width - 16 - widened;
    box.height = ch - play.height - seek.height - ui[ctl::StatusBar1].rect.height - 16;
    seek.width = box.width;
    play.top = box.Bottom() + 4;
    play.left = box.width / 2 - play.width / 2 + 4;
    seek.top = play.Bottom() + 4;
    rate.top = box.top;
    rate.left = box.width + 4;
    rate.height = box.height;
    Rect& lbl = ui[ctl::lblRate].rect;
    lbl.left = rate.left;
    lbl.top = play.top;
    stats.top = rate.top;
    stats.left = rate.left + rate.width + 4;
    motion.top = stats.top;
    motion.left = stats.left + stats.width + 4;
    ui[ctl::pnlWhere].rect.width = seek.width - 8;
    const int status_height = ui[ctl::StatusBar1].rect.height;
    PlacePlaylist(ui, stats.left, motion.Bottom() + 4, ch, kMovieInfoHeight + status_height);
    list.width = kMovieInfoWidth + widened;
    info.left = list.left;
    info.top = list.Bottom();
    // In a short window the group ends above the status bar and shows what fits.
    info.height = std::min(kMovieInfoHeight, ch - status_height - info.top);
}

void LayoutStreamPanels(UiState& ui, LayoutKind kind, int cw, int ch) {
    Rect& box = ui[ctl::ScrollBox1].rect;
    Rect& play = ui[ctl::pnlPlayCtrl].rect;
    Rect& seek = ui[ctl::gbSeek].rect;
    box.width = kind == LayoutKind::Stream ? cw - (ui[ctl::gbPlayList].rect.width + 16) : cw - 16;
    box.height = ch - play.height - seek.height - ui[ctl::StatusBar1].rect.height - 16;
    play.top = box.Bottom() + 4;
    play.left = box.width / 2 - play.width / 2 + 4;
    seek.top = play.Bottom() + 4;
    // The seek area and the playlist follow the picture, so nothing overlaps it and nothing keeps
    // the place a camera AVI's layout gave it.
    seek.width = box.width;
    ui[ctl::pnlWhere].rect.width = seek.width - 8;
    if (kind == LayoutKind::Stream) PlacePlaylist(ui, box.Right() + 4, box.top, ch);
}

}  // namespace

void LayoutPanels(UiState& ui, LayoutKind kind, int client_width, int client_height) {
    Rect& box = ui[ctl::ScrollBox1].rect;
    box.top = 4;
    box.left = 4;
    if (kind == LayoutKind::Avi)
        LayoutAviPanels(ui, client_width, client_height);
    else
        LayoutStreamPanels(ui, kind, client_width, client_height);
    // The status bar lies along the bottom edge over the whole width.
    Rect& status = ui[ctl::StatusBar1].rect;
    status.left = 0;
    status.top = client_height - status.height;
    status.width = client_width;
}

}  // namespace qv::app

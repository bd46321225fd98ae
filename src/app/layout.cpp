#include "app/layout.h"

#include <algorithm>

namespace qv::app {
namespace {

void LayoutAviPanels(UiState& ui, int cw, int ch) {
    Rect& box = ui["ScrollBox1"].rect;
    Rect& play = ui["pnlPlayCtrl"].rect;
    Rect& seek = ui["gbSeek"].rect;
    Rect& rate = ui["gbPlayRate"].rect;
    Rect& stats = ui["gbStats"].rect;
    Rect& motion = ui["gbMotion"].rect;
    Rect& list = ui["gbPlayList"].rect;
    box.width = cw - rate.width - stats.width - motion.width - 16;
    box.height = ch - play.height - seek.height - ui["StatusBar1"].rect.height - 16;
    seek.width = box.width;
    play.top = box.Bottom() + 4;
    play.left = box.width / 2 - play.width / 2 + 4;
    seek.top = play.Bottom() + 4;
    rate.top = box.top;
    rate.left = box.width + 4;
    rate.height = box.height;
    Rect& lbl = ui["lblRate"].rect;
    lbl.left = rate.left;
    lbl.top = play.top;
    stats.top = rate.top;
    stats.left = rate.left + rate.width + 4;
    motion.top = stats.top;
    motion.left = stats.left + stats.width + 4;
    ui["pnlWhere"].rect.width = seek.width - 8;
    list.left = stats.left;
    list.top = motion.Bottom() + 4;
    list.height = std::min(ch - list.top - 4, 200);
    Rect& info = ui["gbMovieInfo"].rect;
    info.left = list.left;
    info.top = list.Bottom();
    Rect& rows = ui["lbPlayList"].rect;
    Rect& path = ui["lblFilePath"].rect;
    Rect& buttons = ui["pnlPLControls"].rect;
    rows.height = list.height - rows.top - buttons.height - path.height - 12;
    path.top = rows.Bottom() + 4;
    buttons.top = path.Bottom() + 4;
}

void LayoutStreamPanels(UiState& ui, LayoutKind kind, int cw, int ch) {
    Rect& box = ui["ScrollBox1"].rect;
    Rect& play = ui["pnlPlayCtrl"].rect;
    Rect& seek = ui["gbSeek"].rect;
    box.width = kind == LayoutKind::Stream ? cw - (ui["gbPlayList"].rect.width + 16) : cw - 16;
    box.height = ch - play.height - seek.height - ui["StatusBar1"].rect.height - 16;
    play.top = box.Bottom() + 4;
    play.left = box.width / 2 - play.width / 2 + 4;
    seek.top = play.Bottom() + 4;
}

}  // namespace

void LayoutPanels(UiState& ui, LayoutKind kind, int client_width, int client_height) {
    Rect& box = ui["ScrollBox1"].rect;
    box.top = 4;
    box.left = 4;
    if (kind == LayoutKind::Avi)
        LayoutAviPanels(ui, client_width, client_height);
    else
        LayoutStreamPanels(ui, kind, client_width, client_height);
    // The status bar lies along the bottom edge over the whole width.
    Rect& status = ui["StatusBar1"].rect;
    status.left = 0;
    status.top = client_height - status.height;
    status.width = client_width;
}

}  // namespace qv::app

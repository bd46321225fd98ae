#include "app/stream_movie_source.h"

#include <cstdio>

#include "app/stamp.h"

namespace qv::app {

int StreamMovieSource::OpenStream(const std::string& path) {
    TOpenMovie& m = c_.movie;
    m.nSizeKB = media_.OpenStreamFile(path);
    m.nPosKB = 0;
    m.nLastGood[0] = m.nLastGood[1] = 0;
    m.nCurFrame = 0;
    if (m.nSizeKB < 1) return m.nSizeKB;
    // With stamping on, the pictures get a band of their own below the image for the time.
    m.nWidth = media_.Width();
    m.nHeight = media_.Height() + (c_.overlay.g_bEmbedTime ? kBandHeight : 0);
    media_.SetDeblockMethod(c_.window.DeblockMethod());
    return m.nSizeKB;
}

void StreamMovieSource::SetUpWindow(bool hide_playlist) {
    UiState& ui = c_.ui;
    ShowMovieMenus(ui);
    // A stream carries no camera settings: the statistics, the motion search and the movie
    // information of a camera AVI played before do not belong to it.
    ShowCameraPanels(ui, false);
    ui.Show(ctl::gbMovieInfo, false);
    ui.Show(ctl::gbPlayList, !hide_playlist);
    // A stream has no events: the play controls end after the play button, as for a camera AVI
    // that is not an event recording.
    ui[ctl::pnlPlayCtrl].rect.width = ui[ctl::sbForward].rect.Right() + 5;
    ui.status[1].clear();
    ui.status[2].clear();
    c_.window.LayoutWindow();
}

std::string StreamMovieSource::LastGoodText() const {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Last 2 good at = 0x%x, 0x%x",
                  static_cast<unsigned>(c_.movie.nLastGood[1]),
                  static_cast<unsigned>(c_.movie.nLastGood[0]));
    return buf;
}

}  // namespace qv::app

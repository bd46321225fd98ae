#include "app/window_search_host.h"

#include "app/movie_info.h"
#include "media/recording_kind.h"
#include "search/motion_buffers.h"

namespace qv::app {

void WindowSearchHost::ShowFrame(int frame) {
    p_.reader.SetFrame(frame);
    p_.source.ShowFrame(frame, true, true);
}

search::EntryOpen WindowSearchHost::OpenEntry(int delta) {
    // MPEG-4 recordings hold no camera frames to search: the search passes over them to the next
    // camera AVI, and the playlist stays on the movie that is open when none follows.
    const int step = delta < 0 ? -1 : 1;
    for (int d = step; p_.entries.HasNeighbour(d); d += step) {
        const std::string& path = p_.playlist[p_.entries.CurrentEntry() + d].szPath;
        if (RecordingKindOf(path) != RecordingKind::Avi) continue;
        return p_.entries.OpenNeighbour(d) ? search::EntryOpen::Opened : search::EntryOpen::Failed;
    }
    return search::EntryOpen::NoEntry;
}

void WindowSearchHost::ShowSearchRunning() {
    p_.engine.SetTransport(
        {.search_backward = Switch::Off, .search_forward = Switch::Off, .stop_search = Switch::On});
}

void WindowSearchHost::ShowSearchMessage(int message) {
    // The four labels lie on one spot; exactly one shows.
    const ControlName labels[] = {ctl::lblSrchMsg, ctl::lblSearchForward, ctl::lblSearchBackward,
                                  ctl::lblSearchFound};
    for (int i = 0; i < 4; ++i)
        p_.ui.Show(labels[i], i == message);
}

void WindowSearchHost::RefuseThreshold() {
    p_.platform.Beep();
    p_.platform.FocusControl(ctl::edtMotionThreshold);
}

void WindowSearchHost::ShowThumbnail(const search::MotionBuffers& b) {
    if (p_.movie.nType != kAvi || !b.Allocated()) return;
    UiState::Thumbnail& t = p_.ui.thumbnail;
    t.bgr = b.Thumbnail();
    t.width = b.BlocksAcross();
    t.height = b.BlockRows();
    t.stride = b.ThumbnailStride();
    ++t.serial;
}

void WindowSearchHost::ShowMovieInfo() {
    qv::app::ShowMovieInfo(p_.reader.Metadata(), p_.reader.Flags().WdxCaptureMode, p_.ui);
}

}  // namespace qv::app

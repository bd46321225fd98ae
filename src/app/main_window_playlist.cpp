// The playlist: adding files from the dialog, the desktop and the command line, playing an entry,
// the playlist buttons and the path shown under the list.
#include "app/main_window.h"

namespace qv::app {

void MainWindowLogic::AddFile(const std::string& path) {
    if (!IsAcceptedExtension(ExtensionOf(path)) || playlist_.nCount() >= TPlaylist::kMaxEntries)
        return;
    const int64_t created = host_.FileCreationTime(path);
    const bool playing = engine_.State().bPlaying;
    if (playlist_.Add(path, created, playing) >= 0 && playing)
        ui_.playlist_selected = playlist_.nCurrent;
}

void MainWindowLogic::ShowPlaylist() {
    ui_.playlist_rows = playlist_.Rows();
    ui_.playlist_selected = playlist_.nCurrent;
}

void MainWindowLogic::PlayEntry(int index) {
    // The movie on screen is about to be replaced: stop it where it is, without rewinding it.
    engine_.Halt();
    // Nothing to play: an empty list has no entry to wrap to.
    if (playlist_.nCount() == 0) return;
    index = playlist_.Wrap(index);
    playlist_.nCurrent = index;
    ui_.playlist_selected = index;
    if (!OpenMovie(playlist_[index].szPath, index)) {
        DisableTransport();
        return;
    }
    entry_base_name_ = BaseNameOf(playlist_[index].szPath);
    // Search mode on: the new movie is searched in the search's direction instead of played.
    if (search_.bSearchMode && SearchOffered()) {
        RunSearchCommand([this] { search_.ContinueSearch(); });
        return;
    }
    TPlayState& play = engine_.State();
    const int direction = !engine_.Source()->CanPlayBackward() ? +1
                          : play.nDirection != 0               ? play.nDirection
                                                               : engine_.LastDirection();
    // The new movie's first picture is on screen before its playback starts.
    engine_.Source()->ShowOpeningPicture(direction);
    StartPlay(direction);
}

void MainWindowLogic::ClearPlaylist() {
    CloseMovie();
    playlist_.Clear();
    engine_.State().nDirection = 1;
    DisableTransport();
    ui_.playlist_rows.clear();
}

void MainWindowLogic::Open1Click() {
    if (DeferWhileSearching([this] { Open1Click(); })) return;
    const std::vector<std::string> chosen = platform_.RunOpenDialog(OpenDialogRequest{});
    if (chosen.empty()) return;
    playlist_.Clear();
    for (const std::string& path : chosen)
        AddFile(path);
    // A movie that plays on keeps its place if the new list holds it; otherwise it stands before
    // the first entry, so stepping or playing on never reaches past the new list.
    playlist_.nCurrent = -1;
    for (int i = 0; i < playlist_.nCount(); ++i)
        if (movie_.nType != kNone && playlist_[i].szPath == movie_.szPath) playlist_.nCurrent = i;
    ShowPlaylist();
    if (!engine_.State().bPlaying) PlayEntry(0);
}

void MainWindowLogic::FilesDropped(const std::vector<std::string>& paths) {
    if (DeferWhileSearching([this, paths] { FilesDropped(paths); })) return;
    for (const std::string& path : paths)
        AddFile(path);
    ShowPlaylist();
    if (!engine_.State().bPlaying) PlayEntry(0);
}

void MainWindowLogic::lbPlayListDblClick(int row) {
    // A search that runs stops at the frame it reached; the chosen movie is then searched on.
    if (search_.bSearchMode && !search_.Running()) {
        search_.Motion().StopMotionPass();
        platform_.ProcessPendingEvents();
    }
    if (DeferWhileSearching([this, row] { PlayEntry(row); })) return;
    PlayEntry(row);
}

void MainWindowLogic::lbPlayListMouseMove(int x, int y, int list_width, int list_height,
                                          int item_height, int top_row) {
    ui_.hint_pause_ms = 500;
    ui_.hint_hide_ms = 2500;
    const int row = (item_height > 0 ? y / item_height : 0) + top_row;
    const bool on_entry = row >= 0 && row < playlist_.nCount() && x >= 4 && y >= 4 &&
                          y <= list_height - 4 && x <= list_width - 16;
    ui_.SetText(ctl::lblFilePath, on_entry ? playlist_[row].szPath : std::string());
}

void MainWindowLogic::bPreviousClick() {
    if (DeferWhileSearching([this] { bPreviousClick(); })) return;
    if (playlist_.nCurrent <= 0)
        platform_.Beep();
    else
        PlayEntry(playlist_.nCurrent - 1);
}

void MainWindowLogic::bSkipClick() {
    if (DeferWhileSearching([this] { bSkipClick(); })) return;
    if (playlist_.nCurrent + 1 >= playlist_.nCount())
        platform_.Beep();
    else
        PlayEntry(playlist_.nCurrent + 1);
}

void MainWindowLogic::bClearPlayListClick() {
    if (DeferWhileSearching([this] { bClearPlayListClick(); })) return;
    StopPlay();
    platform_.Wait(250);
    if (playlist_.nCount() > 0) {
        cleared_.clear();
        for (int i = 0; i < playlist_.nCount(); ++i)
            cleared_.push_back(playlist_[i]);
        cleared_current_ = playlist_.nCurrent;
        ui_.Enable(ctl::Undo1, true);
    }
    ClearPlaylist();
    ClearMovieDisplay();
    ui_.status[0] = "[none]";
    engine_.ShowProgressBar();
    engine_.SetTransport({.search_backward = Switch::Off,
                          .search_forward = Switch::Off,
                          .stop_search = Switch::Off});
    ui_.caption = "[none]";
    ui_.Enable(ctl::EmbedTimestamp1, true);
}

}  // namespace qv::app

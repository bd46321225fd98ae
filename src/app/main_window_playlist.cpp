// The playlist: adding files from the dialog, the desktop and the command line, playing an entry,
// the playlist buttons and the path shown under the list.
#include "app/main_window.h"

namespace qv::app {

void MainWindowLogic::AddFile(const std::string& path) {
    if (!IsAcceptedExtension(ExtensionOf(path)) || playlist_.nCount() >= TPlaylist::kMaxEntries)
        return;
    const int64_t created = platform_.FileCreationTime(path);
    if (playlist_.Add(path, created, play_.bPlaying) >= 0 && play_.bPlaying)
        ui_.playlist_selected = playlist_.nCurrent;
}

void MainWindowLogic::ShowPlaylist() {
    ui_.playlist_rows = playlist_.Rows();
    ui_.playlist_selected = playlist_.nCurrent;
}

void MainWindowLogic::PlayEntry(int index) {
    if (play_.bPlaying) StopPlay();
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
    int direction = +1;
    if (movie_.nType == kAvi) {
        direction = play_.nDirection != 0 ? play_.nDirection : last_direction_;
        if (direction == -1) reader_.SeekEnd();
    }
    StartPlay(direction);
}

void MainWindowLogic::ClearPlaylist() {
    CloseMovie();
    playlist_.Clear();
    play_.nDirection = 1;
    DisableTransport();
    ui_.playlist_rows.clear();
}

void MainWindowLogic::Open1Click() {
    const std::vector<std::string> chosen = platform_.RunOpenDialog(OpenDialogRequest{});
    if (chosen.empty()) return;
    playlist_.Clear();
    for (const std::string& path : chosen)
        AddFile(path);
    ShowPlaylist();
    if (!play_.bPlaying) PlayEntry(0);
}

void MainWindowLogic::FilesDropped(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        AddFile(path);
    ShowPlaylist();
    if (!play_.bPlaying) PlayEntry(0);
}

void MainWindowLogic::lbPlayListDblClick(int row) {
    PlayEntry(row);
}

void MainWindowLogic::lbPlayListMouseMove(int x, int y, int list_width, int list_height,
                                          int item_height, int top_row) {
    ui_.hint_pause_ms = 500;
    ui_.hint_hide_ms = 2500;
    const int row = (item_height > 0 ? y / item_height : 0) + top_row;
    const bool on_entry = row >= 0 && row < playlist_.nCount() && x >= 4 && y >= 4 &&
                          y <= list_height - 4 && x <= list_width - 16;
    ui_.SetText("lblFilePath", on_entry ? playlist_[row].szPath : std::string());
}

void MainWindowLogic::bPreviousClick() {
    if (playlist_.nCurrent == 0)
        platform_.Beep();
    else
        PlayEntry(playlist_.nCurrent - 1);
}

void MainWindowLogic::bSkipClick() {
    if (playlist_.nCurrent + 1 >= playlist_.nCount())
        platform_.Beep();
    else
        PlayEntry(playlist_.nCurrent + 1);
}

void MainWindowLogic::bClearPlayListClick() {
    StopPlay();
    platform_.Wait(250);
    ClearPlaylist();
    ui_.status[0] = "[none]";
    for (int i = 1; i <= 3; ++i)
        ui_.status[static_cast<size_t>(i)].clear();
    ShowProgressBar();
    for (const char* n : {"sbSearchForward", "sbSearchBackward", "sbStopSearch"})
        ui_.Enable(n, false);
    ui_.caption = "[none]";
    ui_.Enable("EmbedTimestamp1", true);
    ui_.Show("Image1", false);
}

}  // namespace qv::app

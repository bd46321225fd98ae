// Opening and closing a movie, and the neighbouring playlist entries the engine steps into.
#include "app/main_window.h"

namespace qv::app {

MovieSource* MainWindowLogic::SourceFor(RecordingKind kind) {
    switch (kind) {
        case RecordingKind::Avi:
            return &avi_;
        case RecordingKind::M4v:
            return &m4v_;
        case RecordingKind::Tkm:
            return &tkm_;
        case RecordingKind::None:
            break;
    }
    return nullptr;
}

bool MainWindowLogic::OpenMovie(const std::string& path, int index) {
    CloseMovie();
    movie_.szPath = path;
    movie_.szTitle = FileNameOf(path);
    ui_.caption = movie_.szTitle;
    ui_.status[0] = movie_.szTitle;
    const RecordingKind kind = RecordingKindOf(path);
    MovieSource* source = SourceFor(kind);
    if (!source) {
        // An unknown kind of file is reported; the player carries on with its playlist.
        ReportOpenFailure(kMsgUnknownFormat);
        ClearMovieDisplay();
        return false;
    }
    movie_.nType = static_cast<int>(kind);
    engine_.bOpening = true;
    const bool opened = source->Open(path);
    ui_.playlist_selected = index;
    engine_.bOpening = false;
    if (!opened) {
        source->Close();
        movie_.nType = kNone;
        ClearMovieDisplay();
        return false;
    }
    engine_.SetSource(source);
    // A camera AVI can be exported; the range starts as the whole movie.
    const bool avi = kind == RecordingKind::Avi;
    for (ControlName n :
         {ctl::Extract1, ctl::PopupMenu2, ctl::SaveStart, ctl::SaveEnd, ctl::SaveSegment1})
        ui_.Enable(n, avi);
    if (avi) export_dialog_.PrimeRange(media_.avi.FrameCount());
    ui_.Enable(ctl::SaveCurrent1, true);
    ui_.Enable(ctl::SaveCurrent2, true);
    return true;
}

void MainWindowLogic::CloseMovie() {
    engine_.Halt();
    if (MovieSource* source = engine_.Source()) source->Close();
    engine_.SetSource(nullptr);
    movie_.nType = kNone;
    ui_.picture = nullptr;
    ++ui_.picture_serial;
}

void MainWindowLogic::ReportOpenFailure(int selector) {
    platform_.ShowMessageWindow(selector);
}

void MainWindowLogic::ReportCutShort(const std::string& path, int frames, int declared_frames) {
    // Once per recording and run: a playlist that loops would otherwise ask again and again.
    if (!cut_short_reported_.insert(path).second) return;
    platform_.ShowInformationBox(FileNameOf(path) + " ends early: " + std::to_string(frames) +
                                     " of its " + std::to_string(declared_frames) +
                                     " frames are in the file.",
                                 "Recording cut short");
}

void MainWindowLogic::ClearMovieDisplay() {
    for (ControlName n :
         {ctl::Extract1, ctl::PopupMenu2, ctl::SaveStart, ctl::SaveEnd, ctl::SaveSegment1})
        ui_.Enable(n, false);
    ui_.picture = nullptr;
    ++ui_.picture_serial;
    ui_.Show(ctl::Image1, false);
    ui_[ctl::pbWhere].position = 0;
    ui_[ctl::tbWhere].position = 0;
    overlay_.Clear();
    ui_.Show(ctl::gbMovieInfo, false);
    // With nothing open the window has the panels and the layout of its design, whatever a
    // stream movie before had hidden (the playlist among them).
    ShowCameraPanels(ui_, true);
    ui_.Show(ctl::gbPlayList, true);
    LayoutWindow();
}

bool MainWindowLogic::HasNeighbour(int delta) const {
    const int i = playlist_.nCurrent + delta;
    return i >= 0 && i < playlist_.nCount();
}

bool MainWindowLogic::OpenNeighbour(int delta) {
    if (!HasNeighbour(delta)) return false;
    playlist_.nCurrent += delta;
    ui_.playlist_selected = playlist_.nCurrent;
    return OpenMovie(playlist_[playlist_.nCurrent].szPath, playlist_.nCurrent);
}

}  // namespace qv::app

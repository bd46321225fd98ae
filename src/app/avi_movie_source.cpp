#include "app/avi_movie_source.h"

#include <algorithm>
#include <new>

#include "app/movie_info.h"
#include "app/overlay_text.h"
#include "app/playlist.h"
#include "media/avi/avi_movie.h"

namespace qv::app {

bool AviMovieSource::Open(const std::string& path) {
    const int result = reader_.Open(path);
    if (result == kAviPictureSizeUnshown) {
        // Not a missing file: say what is wrong with it.
        c_.platform.ShowErrorBox(
            FileNameOf(path) + ": the picture size " + std::to_string(reader_.Width()) + "x" +
                std::to_string(reader_.Height()) + " is beyond what the player shows (1 to " +
                std::to_string(kMaxPictureSide) + " a side)",
            "Error");
        return false;
    }
    if (result != 0) {
        // A file that fails to open is reported and skipped; quitting here would lose the
        // playlist and the session's settings.
        c_.window.ReportOpenFailure(Frames() == 0 ? kMsgNoFrames : kMsgNotFound);
        return false;
    }
    c_.overlay.ResetElapsed();
    TOpenMovie& m = c_.movie;
    m.nWidth = reader_.Width();
    m.nHeight = reader_.Height();
    m.nCapInterval = reader_.Scale();
    m.nRateValue = reader_.Rate();
    // A failed open is closed by the caller.
    if (!PlausiblePictureSize(m.nWidth, m.nHeight)) return false;
    try {
        m.pPicture.Allocate(m.nWidth, m.nHeight);
    } catch (const std::bad_alloc&) {
        return false;
    }
    SetUpWindow();
    if (Frames() <= 0) {
        c_.window.ReportOpenFailure(Frames() == 0 ? kMsgNoFrames : kMsgNotFound);
        return false;
    }
    if (reader_.DeclaredFrameCount() > Frames())
        c_.window.ReportCutShort(path, Frames(), reader_.DeclaredFrameCount());
    return true;
}

void AviMovieSource::SetUpWindow() {
    UiState& ui = c_.ui;
    const TOpenMovie& m = c_.movie;
    ShowMovieMenus(ui);
    ui.Enable(ctl::EmbedTimestamp1, false);
    ShowCameraPanels(ui, true);
    // The playlist too: a .tkm played before this movie hid it.
    ui.Show(ctl::gbPlayList, true);
    if (!reader_.Flags().IntervalAsap)
        ui.SetText(ctl::lblCapInterval, CaptureIntervalText(m.nCapInterval));
    ui.status[1] = std::to_string(m.nWidth) + "x" + std::to_string(m.nHeight);
    ui.status[2] = "Frames = " + std::to_string(Frames());
    c_.engine.SetRate(HeaderSpeed(m.nRateValue, m.nCapInterval));
    c_.engine.SpeedToTimer();
    c_.window.FitPicture(true);
    const int last = std::max(Frames() - 1, 0);
    ui[ctl::pbWhere].maximum = last;
    ui[ctl::tbWhere].maximum = last;
    ui[ctl::tbWhere].tick_frequency = std::max(Frames() / 100, 1);
    const bool events = reader_.EventRecording();
    ui[ctl::pnlPlayCtrl].rect.width =
        ui[events ? ctl::sbNextEvent : ctl::sbForward].rect.Right() + 5;
    ui.SetText(ctl::lblCapIntervalTitle, events ? "Shutdown Delay" : "Capture Interval");
}

void AviMovieSource::Close() {
    reader_.Close();
    c_.movie.pPicture = Picture{};
}

void AviMovieSource::ShowFrame(int frame, bool move_bars, bool accumulate) {
    uint32_t offset = 0;
    const bool read_ok = reader_.ReadFrame(frame, &offset) == 0;
    const uint32_t t0 = c_.host.TickMs();
    bool decoded = false;
    if (read_ok) {
        decoded = reader_.DecodeCurrent(c_.movie.pPicture) == 0;
        // The breakpoint stops a playing movie on this frame.
        if (c_.diag.ShowDiagnostics(reader_.Metadata(), reader_.Luma()) &&
            c_.engine.State().bPlaying)
            c_.engine.PausePlay();
        ShowMovieInfo(reader_.Metadata(), reader_.Flags().WdxCaptureMode, c_.ui);
    }
    // The elapsed time is brought up to this frame before the date and time are drawn from it, so
    // a movie timed by its file clock shows this frame's time, not the previous one's.
    c_.overlay.UpdateElapsed(reader_, frame, c_.movie.nCapInterval, accumulate);
    diag::DiagnosticsLogic& diag = c_.diag;
    if (decoded) {
        const uint32_t t1 = c_.host.TickMs();
        c_.overlay.DecorateAvi(c_.movie.pPicture, reader_, c_.movie.nWidth);
        c_.window.ShowPicture(c_.movie.pPicture);
        if (c_.settings.nShowDiags != 0 && (diag.bShowExpo || diag.bShowTimes))
            diag.DumpFrame(frame, reader_.Metadata(), reader_.LastCaptureTime(),
                           reader_.LastIntervalMs());
        if (diag.visible) {
            diag.lblDecTime = std::to_string(t1 - t0);
            diag.lblDispTime = std::to_string(c_.host.TickMs() - t1);
        }
    } else {
        // A frame that cannot be read or decoded leaves the previous picture on screen.
        diag.ReportBadFrame(frame, Frames(), offset);
    }
    c_.engine.State().nLastShowMs = static_cast<int>(c_.host.TickMs() - t0);
    c_.ui.status[3] = "Frame " + std::to_string(frame + 1);
    if (move_bars) c_.engine.SetSeekBars(frame);
}

void AviMovieSource::ShowOpeningPicture(int direction) {
    // A backward start stands one past the last frame, so that the first tick lands on the frame
    // its step reaches; the last frame is on screen meanwhile. The elapsed time starts here.
    if (direction == -1) {
        reader_.SeekEnd();
        ShowFrame(Frames() - 1, true, false);
    } else {
        reader_.SetFrame(0);
        ShowFrame(0, true, false);
    }
}

void AviMovieSource::ShowEntryEnd(bool last) {
    reader_.SetFrame(last ? Frames() - 1 : 0);
    ShowFrame(reader_.CurrentFrame(), true, true);
}

bool AviMovieSource::Rewind() {
    ShowEntryEnd(false);
    return true;
}

TickResult AviMovieSource::Tick(int frames) {
    if (frames == 0) return TickResult::Nothing;
    if (reader_.StepFrame(frames) != 0) return TickResult::Ended;
    ShowFrame(reader_.CurrentFrame(), true, true);
    return TickResult::Shown;
}

void AviMovieSource::StepForward() {
    c_.engine.State().bSeekGuard = true;
    reader_.StepFrame(+1);
    const int cur = reader_.CurrentFrame();
    if (cur == 1) c_.engine.SetTransport({.previous = Switch::On});
    if (cur == Frames() - 1) c_.engine.SetTransport({.next = Switch::Off});
    ShowFrame(cur, true, true);
}

void AviMovieSource::StepBack(bool first_entry) {
    reader_.StepFrame(-1);
    const int cur = reader_.CurrentFrame();
    if (cur == 0 && first_entry)
        c_.engine.SetTransport({.backward = Switch::Off, .previous = Switch::Off});
    if (cur == Frames() - 2) c_.engine.SetTransport({.next = Switch::On, .forward = Switch::On});
    ShowFrame(cur, true, true);
}

void AviMovieSource::SeekTo(int position) {
    if (Frames() <= 0) return;
    position = std::clamp(position, 0, Frames() - 1);
    c_.ui[ctl::tbWhere].position = position;
    reader_.SetFrame(position);
    ShowFrame(position, false, true);
    const bool before_last = position < Frames() - 1, after_first = position != 0;
    c_.engine.SetTransport({.backward = OnIf(after_first),
                            .previous = OnIf(after_first),
                            .next = OnIf(before_last),
                            .forward = OnIf(before_last),
                            .search_backward = OnIf(after_first),
                            .search_forward = OnIf(before_last)});
}

}  // namespace qv::app

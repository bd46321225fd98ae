// The playback engine: start, pause, stop, the timer tick, stepping, seeking and the speed.
#include <algorithm>

#include "app/main_window.h"
#include "app/movie_info.h"

namespace qv::app {

void MainWindowLogic::SetTimerEnabled(bool on) {
    timer_enabled_ = on;
    platform_.SetTimer(on, play_.nTimerMs);
}

void MainWindowLogic::SetRate(int speed) {
    play_.nFrmRate = speed;
    ui_["tbRate"].position = std::clamp(RatePosition(speed), 0, 29);
    ui_.SetText("lblRate", std::to_string(speed));
}

void MainWindowLogic::SpeedToTimer() {
    if (play_.nDirection != 0) last_direction_ = play_.nDirection;
    qv::app::SpeedToTimer(play_);
    // Leaving speed 0 resumes the direction that was playing before, so the tick never steps by 0.
    if (play_.nFrmRate > 0 && play_.nDirection == 0) play_.nDirection = last_direction_;
    platform_.SetTimer(timer_enabled_, play_.nTimerMs);
}

void MainWindowLogic::tbRateChange(int position) {
    SetRate(std::clamp(SpeedFromRatePosition(position), 0, 30));
    SpeedToTimer();
}

void MainWindowLogic::ShowProgressBar() {
    ui_.Show("pbWhere", true);
    ui_["pnlWhere"].rect.height = 16;
    ui_.Show("tbWhere", false);
}

void MainWindowLogic::ShowSeekBar() {
    ui_.Show("pbWhere", false);
    ui_["pnlWhere"].rect.height = 32;
    ui_.Show("tbWhere", true);
}

void MainWindowLogic::SetSeekBars(int position) {
    play_.bSeekGuard = true;
    ui_["tbWhere"].position = position;
    ui_["pbWhere"].position = position;
    play_.bSeekGuard = false;
}

void MainWindowLogic::StartPlay(int direction) {
    play_.nDirection = direction;
    if (direction != 0) last_direction_ = direction;
    ui_.Enable("sbBackward", direction != -1);
    ui_.Enable("sbForward", direction == -1);
    ShowProgressBar();
    for (const char* n : {"sbNext", "sbPrevious", "sbSearchForward", "sbSearchBackward",
                          "sbStopSearch", "sbPrevEvent", "sbNextEvent"})
        ui_.Enable(n, false);
    ui_.Enable("sbPause", true);
    ui_.Enable("sbStop", true);
    SetTimerEnabled(true);
    play_.bPlaying = true;
    platform_.BringToFront();
    play_.bPaused = false;
}

void MainWindowLogic::EnableAfterPause() {
    const bool not_first = CurFrame() != 0;
    const bool not_last = CurFrame() != Frames() - 1;
    for (const char* n : {"sbBackward", "sbSearchBackward", "sbPrevEvent", "sbPrevious"})
        ui_.Enable(n, not_first);
    for (const char* n : {"sbNext", "sbForward", "sbNextEvent", "sbSearchForward"})
        ui_.Enable(n, not_last);
}

void MainWindowLogic::PausePlay() {
    play_.bPaused = true;
    if (movie_.nType == kAvi) {
        ShowSeekBar();
        EnableAfterPause();
    }
    ui_.Enable("sbStopSearch", false);
    ui_.Enable("sbPause", false);
    play_.bPlaying = false;
    SetTimerEnabled(false);
}

void MainWindowLogic::StopPlay() {
    if (play_.bPlaying) {
        play_.bPlaying = false;
        PausePlay();
    }
    for (const char* n :
         {"sbBackward", "sbPrevious", "sbSearchForward", "sbSearchBackward", "sbStopSearch"})
        ui_.Enable(n, false);
    if (movie_.nType == kAvi) {
        reader_.SetFrame(0);
        ShowAviFrame(true);
        for (const char* n : {"sbPrevEvent", "sbNextEvent", "sbForward", "sbNext"})
            ui_.Enable(n, true);
        ui_.Enable("sbStop", false);
    }
}

void MainWindowLogic::DisableTransport() {
    if (play_.bPlaying) PausePlay();
    for (const char* n : {"sbPause", "sbBackward", "sbPrevious", "sbForward", "sbNext", "sbStop",
                          "sbPrevEvent", "sbNextEvent"})
        ui_.Enable(n, false);
    play_.bPlaying = false;
    SetTimerEnabled(false);
    ui_.Show("tbWhere", false);
}

void MainWindowLogic::Timer1Timer() {
    if (movie_.nType != kAvi || !play_.bPlaying || play_.nStep == 0 || play_.nDirection == 0)
        return;
    if (reader_.StepFrame(play_.nStep * play_.nDirection) != 0) {
        // The end of this movie in the playing direction: go on with the neighbouring entry.
        PlayEntry(playlist_.nCurrent + play_.nDirection);
    } else {
        ShowAviFrame(true);
    }
}

void MainWindowLogic::ShowAviFrame(bool move_bars) {
    uint32_t offset = 0;
    const int frame = CurFrame();
    const bool read_ok = reader_.ReadFrame(frame, &offset) == 0;
    const uint32_t t0 = platform_.TickMs();
    bool decoded = false;
    if (read_ok) {
        decoded = reader_.DecodeCurrent(movie_.pPicture) == 0;
        ShowMovieInfo(reader_.Metadata(), reader_.Flags().WdxCaptureMode, ui_);
    }
    // The elapsed time is brought up to this frame before the date and time are drawn from it, so
    // a movie timed by its file clock shows this frame's time, not the previous one's.
    UpdateElapsed();
    if (decoded) {
        const uint32_t t1 = platform_.TickMs();
        DecoratePicture(movie_.pPicture);
        ShowPicture(movie_.pPicture);
        if (settings_.nShowDiags != 0 && (diag_.bShowExpo || diag_.bShowTimes))
            DumpFrame(diag_, frame, reader_.Metadata(), reader_.LastCaptureTime(),
                      reader_.LastIntervalMs());
        if (diag_.visible) {
            diag_.lblDecTime = std::to_string(t1 - t0);
            diag_.lblDispTime = std::to_string(platform_.TickMs() - t1);
        }
    } else {
        // A frame that cannot be read or decoded leaves the previous picture on screen.
        ReportBadFrame(diag_, frame, Frames(), offset);
    }
    play_.nLastShowMs = static_cast<int>(platform_.TickMs() - t0);
    ui_.status[3] = "Frame " + std::to_string(frame + 1);
    if (move_bars) SetSeekBars(frame);
}

void MainWindowLogic::sbNextClick() {
    if (movie_.nType != kAvi) return;
    play_.bSeekGuard = true;
    if (CurFrame() == Frames() - 1 && playlist_.nCurrent + 1 < playlist_.nCount()) {
        ++playlist_.nCurrent;
        ui_.playlist_selected = playlist_.nCurrent;
        if (!OpenMovie(playlist_[playlist_.nCurrent].szPath, playlist_.nCurrent)) {
            DisableTransport();
            play_.bSeekGuard = false;
            return;
        }
        reader_.SetFrame(0);
    } else {
        reader_.StepFrame(+1);
        if (CurFrame() == 1) ui_.Enable("sbPrevious", true);
        if (CurFrame() == Frames() - 1) ui_.Enable("sbNext", false);
    }
    ShowAviFrame(true);
}

void MainWindowLogic::sbPreviousClick() {
    if (movie_.nType != kAvi) return;
    if (CurFrame() != 0 || playlist_.nCurrent == 0) {
        reader_.StepFrame(-1);
        if (CurFrame() == 0 && playlist_.nCurrent == 0) {
            ui_.Enable("sbPrevious", false);
            ui_.Enable("sbBackward", false);
        }
        if (CurFrame() == Frames() - 2) {
            ui_.Enable("sbNext", true);
            ui_.Enable("sbForward", true);
        }
    } else {
        --playlist_.nCurrent;
        ui_.playlist_selected = playlist_.nCurrent;
        if (!OpenMovie(playlist_[playlist_.nCurrent].szPath, playlist_.nCurrent)) {
            DisableTransport();
            return;
        }
        reader_.SetFrame(Frames() - 1);
    }
    ShowAviFrame(true);
}

void MainWindowLogic::FormKeyPress(char key) {
    if (key == '+' && ui_["sbNext"].enabled) sbNextClick();
    if (key == '-' && ui_["sbPrevious"].enabled) sbPreviousClick();
}

bool MainWindowLogic::FormKeyUp(int virtual_key) {
    if (virtual_key == 37 && ui_["sbPrevious"].enabled) {
        sbPreviousClick();
        return true;
    }
    if (virtual_key == 39 && ui_["sbNext"].enabled) {
        sbNextClick();
        return true;
    }
    return false;
}

void MainWindowLogic::tbWhereChange(int position) {
    if (play_.bSeekGuard) return;
    play_.bSeekGuard = true;
    if (play_.bSeekFocus && !bOpening_ && movie_.nType == kAvi && Frames() > 0) {
        position = std::clamp(position, 0, Frames() - 1);
        ui_["tbWhere"].position = position;
        reader_.SetFrame(position);
        ShowAviFrame(false);
        const bool before_last = position < Frames() - 1;
        for (const char* n : {"sbNext", "sbForward", "sbSearchForward"})
            ui_.Enable(n, before_last);
        for (const char* n : {"sbBackward", "sbSearchBackward", "sbPrevious"})
            ui_.Enable(n, position != 0);
    }
    play_.bSeekGuard = false;
}

}  // namespace qv::app

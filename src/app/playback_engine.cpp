#include "app/playback_engine.h"

#include <algorithm>

namespace qv::app {

PlaybackEngine::PlaybackEngine(Platform& platform, UiState& ui, diag::DiagnosticsLogic& diag,
                               EntryNavigator& entries)
    : platform_(platform), ui_(ui), diag_(diag), entries_(entries) {}

void PlaybackEngine::Apply(ControlName name, Switch s) {
    if (s != Switch::Keep) ui_.Enable(name, s == Switch::On);
}

void PlaybackEngine::SetTransport(const TransportChange& c) {
    Apply(ctl::sbStop, c.stop);
    Apply(ctl::sbPause, c.pause);
    Apply(ctl::sbBackward, c.backward);
    Apply(ctl::sbPrevious, c.previous);
    Apply(ctl::sbNext, c.next);
    Apply(ctl::sbForward, c.forward);
    Apply(ctl::sbPrevEvent, c.prev_event);
    Apply(ctl::sbNextEvent, c.next_event);
    Apply(ctl::sbSearchBackward, c.search_backward);
    Apply(ctl::sbSearchForward, c.search_forward);
    Apply(ctl::sbStopSearch, c.stop_search);
}

void PlaybackEngine::SetTimerEnabled(bool on) {
    timer_enabled_ = on;
    platform_.SetTimer(on, play_.nTimerMs);
}

void PlaybackEngine::SetFixedTimer(int interval_ms) {
    play_.nTimerMs = interval_ms;
    platform_.SetTimer(timer_enabled_, interval_ms);
}

void PlaybackEngine::SetRate(int speed) {
    play_.nFrmRate = speed;
    ui_[ctl::tbRate].position = std::clamp(RatePosition(speed), 0, 29);
    ui_.SetText(ctl::lblRate, std::to_string(speed));
}

void PlaybackEngine::SpeedToTimer() {
    if (play_.nDirection != 0) last_direction_ = play_.nDirection;
    qv::app::SpeedToTimer(play_);
    // Leaving speed 0 resumes the direction that was playing before, so the tick never steps by 0.
    if (play_.nFrmRate > 0 && play_.nDirection == 0) play_.nDirection = last_direction_;
    platform_.SetTimer(timer_enabled_, play_.nTimerMs);
}

void PlaybackEngine::tbRateChange(int position) {
    SetRate(std::clamp(SpeedFromRatePosition(position), 0, 30));
    SpeedToTimer();
}

void PlaybackEngine::ShowProgressBar() {
    ui_.Show(ctl::pbWhere, true);
    ui_[ctl::pnlWhere].rect.height = 16;
    ui_.Show(ctl::tbWhere, false);
}

void PlaybackEngine::ShowSeekBar() {
    ui_.Show(ctl::pbWhere, false);
    ui_[ctl::pnlWhere].rect.height = 32;
    ui_.Show(ctl::tbWhere, true);
}

void PlaybackEngine::SetSeekBars(int position) {
    play_.bSeekGuard = true;
    ui_[ctl::tbWhere].position = position;
    ui_[ctl::pbWhere].position = position;
    play_.bSeekGuard = false;
}

void PlaybackEngine::SetSeekBar(int position) {
    play_.bSeekGuard = true;
    ui_[ctl::tbWhere].position = position;
    play_.bSeekGuard = false;
}

void PlaybackEngine::SetProgressBar(int position) {
    ui_[ctl::pbWhere].position = position;
}

void PlaybackEngine::StartPlay(int direction) {
    if (!source_) return;
    play_.nDirection = direction;
    if (direction != 0) last_direction_ = direction;
    ShowProgressBar();
    SetTransport({.stop = Switch::On,
                  .pause = Switch::On,
                  .backward = OnIf(direction != -1 && source_->CanPlayBackward()),
                  .previous = Switch::Off,
                  .next = Switch::Off,
                  .forward = OnIf(direction == -1),
                  .prev_event = Switch::Off,
                  .next_event = Switch::Off,
                  .search_backward = Switch::Off,
                  .search_forward = Switch::Off,
                  .stop_search = Switch::Off});
    diag_.ResetPictureHeaderCount();
    if (source_->PacedBySound()) {
        // The sound's notices ask for the pictures; starting them sets the play state.
        source_->Start(play_.bPaused);
    } else {
        source_->Start(false);
        SetTimerEnabled(true);
        play_.bPlaying = true;
    }
    play_.bPaused = false;
}

void PlaybackEngine::SetPausedTransport() {
    const bool first = source_->AtFirstPicture(), last = source_->AtLastPicture();
    const bool camera = source_->HasCameraFrames();
    SetTransport({.stop = last ? Switch::On : Switch::Keep,
                  .backward = OnIf(source_->CanPlayBackward() && !first),
                  .previous = OnIf(source_->CanStepBack() && !first),
                  .next = OnIf(!last),
                  .forward = OnIf(!last),
                  .prev_event = OnIf(camera && !first),
                  .next_event = OnIf(camera && !last),
                  .search_backward = OnIf(camera && !first),
                  .search_forward = OnIf(camera && !last)});
}

void PlaybackEngine::PausePlay() {
    play_.bPaused = true;
    if (source_) {
        if (source_->CanSeek()) ShowSeekBar();
        source_->Pause();
        SetPausedTransport();
    }
    SetTransport({.pause = Switch::Off, .stop_search = Switch::Off});
    play_.bPlaying = false;
    SetTimerEnabled(false);
}

void PlaybackEngine::StopPlay() {
    if (play_.bPlaying) {
        play_.bPlaying = false;
        PausePlay();
    }
    SetTransport({.backward = Switch::Off,
                  .previous = Switch::Off,
                  .search_backward = Switch::Off,
                  .search_forward = Switch::Off,
                  .stop_search = Switch::Off});
    if (source_ && source_->Rewind()) {
        const bool camera = source_->HasCameraFrames();
        SetTransport({.stop = Switch::Off,
                      .next = Switch::On,
                      .forward = Switch::On,
                      .prev_event = OnIf(camera),
                      .next_event = OnIf(camera)});
    }
}

void PlaybackEngine::Halt() {
    if (!play_.bPlaying) return;
    play_.bPlaying = false;
    SetTimerEnabled(false);
    if (source_) source_->Halt();
}

void PlaybackEngine::DisableTransport() {
    if (play_.bPlaying) PausePlay();
    SetTransport(kTransportOff);
    play_.bPlaying = false;
    SetTimerEnabled(false);
    ui_.Show(ctl::tbWhere, false);
}

void PlaybackEngine::Timer1Timer() {
    if (!source_ || !play_.bPlaying) return;
    if (source_->Tick(play_.nStep * play_.nDirection) == TickResult::Ended) {
        // The end of this movie in the playing direction: go on with the neighbouring entry.
        entries_.PlayEntry(entries_.CurrentEntry() + play_.nDirection);
    }
}

bool PlaybackEngine::StepIntoNeighbour(int delta) {
    play_.bSeekGuard = true;
    const bool opened = entries_.OpenNeighbour(delta);
    play_.bSeekGuard = false;
    if (!opened || !source_) {
        DisableTransport();
        return false;
    }
    source_->ShowEntryEnd(delta < 0);
    // A movie of another kind stands paused on that picture with its own controls; a camera AVI
    // keeps the controls of the step, so stepping on across the entries goes on.
    if (!source_->StepsAcrossEntries()) {
        if (source_->CanSeek()) ShowSeekBar();
        SetPausedTransport();
    }
    return true;
}

void PlaybackEngine::StepForward() {
    if (!source_) return;
    if (source_->StepsAcrossEntries() && source_->AtLastPicture() && entries_.HasNeighbour(+1))
        StepIntoNeighbour(+1);
    else
        source_->StepForward();
}

void PlaybackEngine::StepBack() {
    if (!source_) return;
    if (source_->StepsAcrossEntries() && source_->AtFirstPicture() && entries_.HasNeighbour(-1))
        StepIntoNeighbour(-1);
    else
        source_->StepBack(!entries_.HasNeighbour(-1));
}

void PlaybackEngine::tbWhereChange(int position) {
    if (play_.bSeekGuard) return;
    play_.bSeekGuard = true;
    if (play_.bSeekFocus && !bOpening && source_ && source_->CanSeek()) source_->SeekTo(position);
    play_.bSeekGuard = false;
}

}  // namespace qv::app

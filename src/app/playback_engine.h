// The playback engine: the play state, the timer tick, start, pause, stop, stepping, seeking, the
// speed and the one place that sets the transport buttons. What differs between the recording
// kinds it asks of the open movie's source.
#pragma once

#include <cstdint>

#include "app/movie_source.h"
#include "app/platform_seam.h"
#include "app/play_state.h"
#include "app/ui_state.h"
#include "diag/diagnostics_logic.h"

namespace qv::app {

// The playlist as the engine sees it: moving to a neighbouring entry.
class EntryNavigator {
  public:
    virtual ~EntryNavigator() = default;
    // Opens and plays an entry (the index wraps past either end of the list).
    virtual void PlayEntry(int index) = 0;
    // True when the playlist has an entry delta places from the current one.
    virtual bool HasNeighbour(int delta) const = 0;
    // Makes that entry current and opens it without playing; false when it did not open.
    virtual bool OpenNeighbour(int delta) = 0;
    virtual int CurrentEntry() const = 0;
};

// A change of the transport buttons: each is switched on, off or kept as it is.
enum class Switch : uint8_t { Keep, On, Off };
inline Switch OnIf(bool on) {
    return on ? Switch::On : Switch::Off;
}
struct TransportChange {
    Switch stop = Switch::Keep;
    Switch pause = Switch::Keep;
    Switch backward = Switch::Keep;
    Switch previous = Switch::Keep;
    Switch next = Switch::Keep;
    Switch forward = Switch::Keep;
    Switch prev_event = Switch::Keep;
    Switch next_event = Switch::Keep;
    Switch search_backward = Switch::Keep;
    Switch search_forward = Switch::Keep;
    Switch stop_search = Switch::Keep;
};

// Stop, pause, play, step and event buttons all off (the search buttons are kept).
inline constexpr TransportChange kTransportOff{.stop = Switch::Off,
                                               .pause = Switch::Off,
                                               .backward = Switch::Off,
                                               .previous = Switch::Off,
                                               .next = Switch::Off,
                                               .forward = Switch::Off,
                                               .prev_event = Switch::Off,
                                               .next_event = Switch::Off};

class PlaybackEngine {
  public:
    PlaybackEngine(Platform& platform, UiState& ui, diag::DiagnosticsLogic& diag,
                   EntryNavigator& entries);

    // The open movie's source; null while nothing is open. A new movie has no pause to resume.
    void SetSource(MovieSource* source) {
        source_ = source;
        play_.bPaused = false;
    }
    MovieSource* Source() const { return source_; }

    void StartPlay(int direction);
    void PausePlay();
    void StopPlay();
    // Ends playback at once without rewinding or showing anything: the movie is about to be
    // replaced.
    void Halt();
    void DisableTransport();
    void Timer1Timer();
    void StepForward();
    void StepBack();
    // A change of the seek bar, with its guards.
    void tbWhereChange(int position);
    void tbRateChange(int position);
    // Speed in frames per second (0 to 30): the speed bar and its label follow.
    void SetRate(int speed);
    void SpeedToTimer();
    // The playback timer's interval for a kind that ignores the speed.
    void SetFixedTimer(int interval_ms);

    // For the sources.
    void SetTransport(const TransportChange& change);
    // Moves the seek bar and the progress bar together, guarded against seeking.
    void SetSeekBars(int position);
    void SetSeekBar(int position);
    void SetProgressBar(int position);
    // The progress bar (playing) or the seek bar (paused) in the seek area.
    void ShowProgressBar();
    void ShowSeekBar();
    TPlayState& State() { return play_; }
    const TPlayState& State() const { return play_; }
    EntryNavigator& Entries() { return entries_; }
    // The direction that played last, for a start while the speed is 0.
    int LastDirection() const { return last_direction_; }

    // Set while the settings are read and while a movie opens: seek bar changes are not seeks.
    bool bOpening = false;

  private:
    void SetTimerEnabled(bool on);
    // The buttons of a paused movie, from where its picture stands.
    void SetPausedTransport();
    // Opens the neighbouring playlist entry and shows its first or last picture.
    bool StepIntoNeighbour(int delta);
    void Apply(ControlName name, Switch s);

    Platform& platform_;
    UiState& ui_;
    diag::DiagnosticsLogic& diag_;
    EntryNavigator& entries_;
    MovieSource* source_ = nullptr;
    TPlayState play_;
    bool timer_enabled_ = false;
    int last_direction_ = 1;  // direction to resume when the speed leaves 0
};

}  // namespace qv::app

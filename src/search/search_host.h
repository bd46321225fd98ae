// What the search and event commands need of the player around them: the open movie and its
// current frame, the playlist to go on through, and the window's buttons, labels and bars. The
// main window provides all of it; qvplay-cli only the movie and the playlist.
#pragma once

#include <string>

#include "search/pass_view.h"
#include "search/search_movie.h"

namespace qv::search {

// What opening the neighbouring playlist entry gave.
enum class EntryOpen {
    NoEntry,  // the playlist ends in that direction
    Failed,   // the entry did not open (the failure has been reported)
    Opened,
};

class SearchHost : public PassView {
  public:
    virtual SearchMovie& Movie() = 0;
    virtual int CurrentFrame() const = 0;
    virtual int FrameCount() const = 0;
    // Current frame = frame count, so that the last frame is the next one back.
    virtual void SeekEnd() = 0;
    // Makes frame the current frame and shows it.
    virtual void ShowFrame(int frame) = 0;
    // Moves the playlist position by delta and opens that entry.
    virtual EntryOpen OpenEntry(int delta) = 0;
    // The text of the threshold field.
    virtual std::string ThresholdText() const = 0;

    // The window around a command.
    // The progress bar takes the seek bar's place.
    virtual void ShowProgressBar() {}
    // Stop, pause, play, step and event buttons are disabled.
    virtual void DisableTransportButtons() {}
    // Stop Search is offered, the two search buttons are not.
    virtual void ShowSearchRunning() {}
    virtual void EnableStop() {}
    // One of the four search messages: inactive, forward, backward, found.
    virtual void ShowSearchMessage(int /*message*/) {}
    // A threshold of 0: the default beep and the focus on the threshold field.
    virtual void RefuseThreshold() {}
    // The buttons that fit the current frame; the seek bar comes back.
    virtual void PausePlay() {}
    // A playlist entry failed to open: every playback control is disabled.
    virtual void DisableTransport() {}
};

}  // namespace qv::search

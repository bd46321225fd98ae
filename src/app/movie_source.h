// One open recording, whatever its kind. The playback engine asks a source what its kind offers
// ("can it step back?") instead of testing the kind, and runs the kind's own steps of showing,
// stepping, seeking and rewinding through it.
#pragma once

#include <string>

#include "media/recording_kind.h"

namespace qv::app {

// What a timer tick did.
enum class TickResult {
    Nothing,  // nothing to do at this tick
    Shown,    // the next picture is on screen
    Ended,    // the movie's end in the playing direction: go on with the neighbouring entry
};

class MovieSource {
  public:
    virtual ~MovieSource() = default;

    virtual RecordingKind Kind() const = 0;
    // The kind's part of opening, after the movie record holds the path and title. False when
    // the recording did not open; the failure has been reported to the user and the caller
    // closes what was opened.
    virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;

    // What the kind offers.
    virtual bool PacedBySound() const { return false; }  // no timer: the sound asks for pictures
    virtual bool CanPlayBackward() const { return false; }
    virtual bool CanStepBack() const = 0;
    virtual bool CanSeek() const = 0;
    // Stepping past either end of the movie goes on into the neighbouring playlist entry.
    virtual bool StepsAcrossEntries() const { return false; }
    // Camera frames with settings, capture times, events and motion to search.
    virtual bool HasCameraFrames() const { return false; }

    // Where the picture on screen stands.
    virtual bool AtFirstPicture() const = 0;
    virtual bool AtLastPicture() const = 0;

    // The first picture after an open, shown before playback starts so the window never stays
    // blank (direction -1: the movie is about to play backward from its end).
    virtual void ShowOpeningPicture(int direction) = 0;
    // The first or last picture, after a step from a neighbouring entry.
    virtual void ShowEntryEnd(bool last) = 0;
    // The kind's steps of starting (sound-paced kinds start their pictures here; resume after a
    // pause), pausing, halting (stop now, the movie is about to be replaced) and stopping. Rewind
    // returns false when the kind leaves the picture and position as they are.
    virtual void Start(bool /*resume*/) {}
    virtual void Pause() {}
    virtual void Halt() {}
    virtual bool Rewind() = 0;
    virtual TickResult Tick(int frames) = 0;
    virtual void StepForward() = 0;
    // first_entry: no playlist entry comes before this movie.
    virtual void StepBack(bool first_entry) = 0;
    // A seek to a position of the seek bar, after its guards.
    virtual void SeekTo(int position) = 0;
};

}  // namespace qv::app

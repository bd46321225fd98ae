// Where a running search shows itself: the window paints the block thumbnail, moves its progress
// bar and lets its pending events run after every frame; qvplay-cli shows nothing.
#pragma once

namespace qv::search {

class MotionBuffers;

class PassView {
  public:
    virtual ~PassView() = default;
    // True when the view paints the block thumbnail: only then is it built, frame by frame.
    virtual bool ShowsThumbnail() const { return false; }
    // The thumbnail of the block picture just loaded is ready.
    virtual void ShowThumbnail(const MotionBuffers& /*buffers*/) {}
    // The frame a pass or scan has reached.
    virtual void SetProgress(int /*frame*/) {}
    // A Stop Search click runs here and sets the stop flag.
    virtual void ProcessPendingEvents() {}
    // The PIR scan has parsed a frame: the movie information follows it.
    virtual void ShowMovieInfo() {}
};

}  // namespace qv::search

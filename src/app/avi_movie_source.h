// A camera AVI recording: one JPEG per frame, read through the frame index, timed by the
// playback timer, stepped and seeked by frame number, and continued into the neighbouring
// playlist entry at either end.
#pragma once

#include "app/avi_reader.h"
#include "app/movie_source.h"
#include "app/source_context.h"

namespace qv::app {

class AviMovieSource final : public MovieSource {
  public:
    AviMovieSource(AviReader& reader, SourceContext context) : reader_(reader), c_(context) {}

    RecordingKind Kind() const override { return RecordingKind::Avi; }
    bool Open(const std::string& path) override;
    void Close() override;

    bool CanPlayBackward() const override { return true; }
    bool CanStepBack() const override { return true; }
    bool CanSeek() const override { return true; }
    bool StepsAcrossEntries() const override { return true; }
    bool HasCameraFrames() const override { return true; }
    bool AtFirstPicture() const override { return reader_.CurrentFrame() == 0; }
    bool AtLastPicture() const override { return reader_.CurrentFrame() == Frames() - 1; }

    void ShowOpeningPicture(int direction) override;
    void ShowEntryEnd(bool last) override;
    bool Rewind() override;
    TickResult Tick(int frames) override;
    void StepForward() override;
    void StepBack(bool first_entry) override;
    void SeekTo(int position) override;

    // Reads, decodes, decorates and shows a frame; the elapsed time grows by its interval when
    // accumulate is set. With move_bars the seek and progress bars follow.
    void ShowFrame(int frame, bool move_bars, bool accumulate);

  private:
    int Frames() const { return reader_.FrameCount(); }
    void SetUpWindow();

    AviReader& reader_;
    SourceContext c_;
};

}  // namespace qv::app

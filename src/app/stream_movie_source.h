// The MPEG-4 recordings: a .m4v is a bare stream paced by the playback timer and only played and
// stepped forward; a .tkm carries sound that paces its pictures through a ring of eight decoded
// pictures, and is stepped and seeked by its intra pictures. Positions are file positions in KiB;
// the stream keeps no frame index.
#pragma once

#include <array>
#include <cstdint>

#include "app/movie_source.h"
#include "app/source_context.h"
#include "app/stream_media.h"
#include "audio/audio_notice_queue.h"
#include "audio/audio_out.h"
#include "platform/clock.h"

namespace qv::app {

// What the two stream kinds share: opening the stream, the window of a stream movie, the picture
// size and the last good positions.
class StreamMovieSource : public MovieSource {
  public:
    bool CanSeek() const override { return false; }
    bool AtFirstPicture() const override { return false; }
    bool AtLastPicture() const override { return false; }
    void StepBack(bool) override {}
    void SeekTo(int) override {}

  protected:
    StreamMovieSource(StreamMedia& media, SourceContext context) : media_(media), c_(context) {}
    // Opens the stream and takes its picture size (with the stamp's band when stamping is on).
    // The file size in KiB, < 1 when the stream did not open.
    int OpenStream(const std::string& path);
    // Menus and panels of a stream movie, then the layout and the zoom.
    void SetUpWindow(bool hide_playlist);
    // "Last 2 good at = 0x%x, 0x%x".
    std::string LastGoodText() const;

    StreamMedia& media_;
    SourceContext c_;
};

class M4vMovieSource final : public StreamMovieSource {
  public:
    M4vMovieSource(StreamMedia& media, SourceContext context) : StreamMovieSource(media, context) {}

    RecordingKind Kind() const override { return RecordingKind::M4v; }
    bool Open(const std::string& path) override;
    void Close() override;

    bool CanStepBack() const override { return false; }

    void ShowOpeningPicture(int) override { ShowFirstPicture(); }
    void ShowEntryEnd(bool) override { ShowFirstPicture(); }
    void Start(bool) override { media_.ResetFilterCounts(); }
    bool Rewind() override;
    TickResult Tick(int frames) override;
    void StepForward() override { ShowNextPicture(); }

  private:
    bool ShowFirstPicture();
    // Decodes and shows the next picture; the stream position after it, < 1 at the end of the
    // stream or on a failure.
    int32_t ShowNextPicture();
};

class TkmMovieSource final : public StreamMovieSource, private audio::AudioFramePacer {
  public:
    static constexpr int kRingSize = 8;

    TkmMovieSource(StreamMedia& media, audio::WaveOutDevices& sound, SourceContext context);

    RecordingKind Kind() const override { return RecordingKind::Tkm; }
    bool Open(const std::string& path) override;
    void Close() override;

    bool PacedBySound() const override { return true; }
    bool CanStepBack() const override { return true; }
    bool CanSeek() const override { return true; }
    // The stream ran out: the picture on screen is the last one.
    bool AtLastPicture() const override { return c_.movie.nPosKB < 1; }

    void ShowOpeningPicture(int) override {}
    void ShowEntryEnd(bool) override { ShowRewound(); }
    void Start(bool resume) override;
    void Pause() override;
    void Halt() override;
    bool Rewind() override;
    // The rewind of a stop, whatever the pause-on-stop switch says: back to the first picture,
    // and the filter counters into the diagnostics list.
    void Restart();
    TickResult Tick(int) override { return TickResult::Nothing; }
    void StepForward() override;
    void StepBack(bool first_entry) override;
    void SeekTo(int position) override;

    // Decodes one more picture into the ring and shows the one decoded six calls earlier.
    void NextTkmPicture() override;
    // Answers the sound output's notices waiting in the queue.
    void HandleAudioNotices();
    // Called on the sound device's thread whenever notices begin to wait.
    audio::AudioNoticeQueue& Notices() { return notices_; }

    // The ring, for the diagnostics and the tests.
    const Picture& RingPicture(int slot) const { return pRing_[static_cast<size_t>(slot)]; }
    int32_t RingAudio(int slot) const { return nRingAudio_[static_cast<size_t>(slot)]; }
    int RingWrite() const { return nRingWrite_; }
    int RingShow() const { return nRingShow_; }
    int TkmCount() const { return nTkmCount_; }
    const audio::AudioOut& Audio() const { return audio_; }

  private:
    int32_t AudioBytesForShownPicture() override;
    // Decodes the next picture into a ring slot with its sound and draws its overlay; the
    // stream position after it, or <= 0.
    int32_t DecodeSlot(int slot, int32_t* audio_bytes, bool audio_header, bool show_quantiser);
    // Fills slots first to 7 and keeps their sound byte counts; with stop_on_failure a decode that
    // fails stops playback (false).
    bool FillRing(int first, bool stop_on_failure);
    // Shows slot 1 and starts the sound; false when there is no sound to pace the pictures.
    bool RunRing();
    // Hands the first buffers to the sound output, or waits for the device to finish the buffers
    // it still holds; false when the ring holds too little sound to start.
    bool StartSound();
    // Refills slots 1 to 7 after a pause or an underrun and starts the sound again.
    void Resume();
    // Decodes the picture the reader stands on into slot 0 and shows it, after a step forward or
    // a seek.
    void ShowSlotZero(bool from_seek);
    // The stream position in bytes in status panel 4, while that diagnostics switch is on.
    void ShowBytePosition();
    // The stop's rewind: the first picture on screen, the reader back in front of it.
    bool ShowRewound();

    audio::AudioNoticeQueue notices_;
    audio::AudioOut audio_;
    platform::DosDateTime file_clock_;
    std::array<Picture, kRingSize> pRing_;
    std::array<int32_t, kRingSize> nRingAudio_{};
    int nRingWrite_ = 0;
    int nRingShow_ = 0;
    int nTkmCount_ = 0;
    bool sound_start_pending_ = false;
};

}  // namespace qv::app

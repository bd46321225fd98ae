// The .tkm branch of the player: the sound paces the pictures. The ring start decodes eight
// pictures ahead and shows the second; from then on every call decodes one more picture and shows
// the one decoded six calls earlier, so a picture is ready whenever the sound asks for the next.
#include <new>

#include "app/stream_movie_source.h"

namespace qv::app {

TkmMovieSource::TkmMovieSource(StreamMedia& media, audio::WaveOutDevices& sound,
                               SourceContext context)
    : StreamMovieSource(media, context),
      notices_([&platform = context.platform] { platform.WakeForAudioNotices(); }),
      audio_(sound, notices_, this) {}

bool TkmMovieSource::Open(const std::string& path) {
    // The file's clock times the pictures (a .tkm has no camera clock of its own).
    file_clock_ = {};
    platform::LastWriteDosDateTime(path, file_clock_);
    const int size_kb = OpenStream(path);
    if (size_kb < 1) {
        c_.platform.ShowErrorBox("Error opening " + path, "Error");
        return false;
    }
    const TOpenMovie& m = c_.movie;
    if (!PlausiblePictureSize(m.nWidth, m.nHeight)) return false;
    UiState& ui = c_.ui;
    ui[ctl::pbWhere].maximum = size_kb;
    // Each step of the seek bar stands for 16 KiB of stream.
    ui[ctl::tbWhere].maximum = size_kb / 16;
    ui[ctl::tbWhere].tick_frequency = 1;
    try {
        for (Picture& p : pRing_)
            p.Allocate(m.nWidth, m.nHeight);
    } catch (const std::bad_alloc&) {
        return false;
    }
    nRingAudio_.fill(0);
    nRingWrite_ = nRingShow_ = nTkmCount_ = 0;
    SetUpWindow(true);
    c_.window.FitPicture(false);
    // Without sound the output still paces the pictures (its silent device).
    audio_.OpenAudio();
    return true;
}

void TkmMovieSource::Close() {
    sound_start_pending_ = false;
    audio_.CloseAudio();
    media_.CloseStreamFile();
    for (Picture& p : pRing_)
        p = Picture{};
    // Notices of the closed output mean nothing to the next recording.
    int32_t stale;
    while (notices_.Take(stale)) {
    }
}

int32_t TkmMovieSource::DecodeSlot(int slot, int32_t* audio_bytes, bool audio_header,
                                   bool show_quantiser) {
    Picture& picture = pRing_[static_cast<size_t>(slot)];
    uint32_t t = 0;
    int32_t quantiser = 0;
    const int32_t p =
        media_.DecodeNextFrame(&picture, audio_bytes, audio_header, &audio_, &t, &quantiser);
    if (show_quantiser) c_.diag.ShowQuantiser(quantiser);
    c_.overlay.DecorateTkm(picture, t, file_clock_);
    return p;
}

bool TkmMovieSource::FillRing(int first, bool stop_on_failure) {
    for (int i = first; i < kRingSize; ++i) {
        int32_t audio_bytes = 0;
        const int32_t p = DecodeSlot(i, &audio_bytes, i == 1, false);
        if (stop_on_failure && p < 0) {
            c_.engine.StopPlay();
            return false;
        }
        // The stream stands after the pictures decoded ahead (a pause right after the start is
        // not the end of the stream).
        if (p > 0) c_.movie.nPosKB = p;
        if (i > 0) nRingAudio_[static_cast<size_t>(i - 1)] = audio_bytes;
    }
    return true;
}

bool TkmMovieSource::RunRing() {
    nRingWrite_ = 0;
    c_.window.ShowPicture(pRing_[1]);
    nRingShow_ = 2;
    return StartSound();
}

bool TkmMovieSource::StartSound() {
    // Buffers of the last run may still play in the device; refilling the slots now would
    // overwrite what it reads. The sound starts when the last of them has finished.
    sound_start_pending_ = audio_.BuffersInDevice() > 0;
    if (sound_start_pending_) return true;
    // Without a slot's worth of sound nothing would ever ask for the next picture.
    return audio_.StartAudio(5, 3) > 0;
}

void TkmMovieSource::Start(bool resume) {
    c_.engine.SetProgressBar(c_.ui[ctl::tbWhere].position * 16);
    if (resume) {
        Resume();
        return;
    }
    media_.ResetFilterCounts();
    FillRing(0, false);
    c_.engine.State().bPlaying = true;
    nTkmCount_ = 0;
    if (!RunRing()) c_.engine.StopPlay();
}

void TkmMovieSource::Resume() {
    c_.engine.State().bPlaying = true;
    if (FillRing(1, true) && !RunRing()) c_.engine.StopPlay();
}

void TkmMovieSource::Halt() {
    sound_start_pending_ = false;
    audio_.StopAudio();
}

void TkmMovieSource::Pause() {
    Halt();
    const TOpenMovie& m = c_.movie;
    // When the stream ran out the seek bar stands at the last picture that decoded.
    c_.engine.SetSeekBar((m.nPosKB < 1 ? m.nLastGood[0] : m.nPosKB) / 16);
}

bool TkmMovieSource::ShowRewound() {
    uint32_t t = 0;
    if (!media_.RewindToFirstVop() ||
        media_.DecodeNextFrame(&pRing_[0], nullptr, false, nullptr, &t, nullptr) <= 0)
        return false;
    c_.overlay.DecorateTkm(pRing_[0], t, file_clock_);
    c_.engine.ShowProgressBar();
    c_.engine.SetSeekBars(0);
    c_.window.ShowPicture(pRing_[0]);
    media_.RewindToFirstVop();
    c_.movie.nPosKB = 0;
    c_.engine.State().bPaused = false;
    return true;
}

bool TkmMovieSource::Rewind() {
    // The diagnostics switch keeps the picture and the position for a closer look.
    if (c_.diag.bTKMPauseOnStop) return false;
    Restart();
    return true;
}

void TkmMovieSource::Restart() {
    if (!ShowRewound()) return;
    c_.platform.Wait(100);
    c_.diag.ReportStopped(media_.DefaultFilterCount(), media_.DcFilterCount());
}

void TkmMovieSource::ShowBytePosition() {
    const int32_t p = c_.movie.nPosKB;
    if (c_.diag.bShowBytePos && p > 0) c_.ui.status[4] = std::to_string(p * 1024LL);
}

void TkmMovieSource::ShowSlotZero(bool from_seek) {
    TOpenMovie& m = c_.movie;
    const int32_t p = DecodeSlot(0, nullptr, false, true);
    // A step keeps the position of the intra picture found, a seek the one after the picture.
    if (from_seek) {
        m.nPosKB = p;
        ShowBytePosition();
    }
    c_.window.ShowPicture(pRing_[0]);
    if (!from_seek) c_.engine.SetSeekBar(m.nPosKB / 16);
    nRingShow_ = 0;
}

void TkmMovieSource::StepForward() {
    TOpenMovie& m = c_.movie;
    int32_t q = media_.SeekToIntraVop(m.nPosKB + 1, 1, +1);
    // The intra picture found may be the one on screen: look again 16 KiB further.
    if (q > 0 && q == m.nPosKB) q = media_.SeekToIntraVop(m.nPosKB + 16, 1, +1);
    m.nPosKB = q;
    if (c_.diag.visible) c_.diag.AddLine(std::to_string(q));
    if (q > 0) ShowSlotZero(false);
}

void TkmMovieSource::StepBack(bool) {
    TOpenMovie& m = c_.movie;
    // Two searches back: decoding runs forward from the intra picture found, which would be the
    // one on screen after the first.
    int32_t q = media_.SeekToIntraVop(m.nPosKB - 1, 1, -1);
    if (q > 0) q = media_.SeekToIntraVop(q - 1, 1, -1);
    m.nPosKB = q;
    if (c_.diag.visible) c_.diag.AddLine(std::to_string(q));
    if (q < 1) return;
    m.nPosKB = DecodeSlot(0, nullptr, false, true);
    c_.window.ShowPicture(pRing_[0]);
    c_.engine.SetSeekBar(m.nPosKB / 16);
    nRingShow_ = 0;
}

void TkmMovieSource::SeekTo(int position) {
    // The last 16 steps of the seek bar hold no picture worth seeking to.
    if (c_.ui[ctl::tbWhere].maximum - position <= 16) return;
    if (media_.SeekToIntraVop(position, 16, +1) < 1) return;
    ShowSlotZero(true);
    c_.engine.SetTransport({.stop = Switch::On, .next = Switch::On, .forward = Switch::On});
}

void TkmMovieSource::NextTkmPicture() {
    if (!c_.engine.State().bPlaying) return;
    TOpenMovie& m = c_.movie;
    int32_t audio_bytes = 0;
    m.nPosKB = DecodeSlot(nRingWrite_, &audio_bytes, false, true);
    ShowBytePosition();
    if (m.nPosKB <= 0) {
        // The end of the stream, or a picture that cannot be decoded.
        c_.engine.StopPlay();
        c_.diag.ReportLastGood(m.nLastGood[1], m.nLastGood[0]);
        return;
    }
    c_.diag.ReportPictureHeader(nTkmCount_);
    ++nTkmCount_;
    nRingAudio_[static_cast<size_t>((nRingWrite_ + kRingSize - 1) % kRingSize)] = audio_bytes;
    c_.engine.SetProgressBar(m.nPosKB);
    nRingWrite_ = (nRingWrite_ + 1) % kRingSize;
    c_.window.ShowPicture(pRing_[static_cast<size_t>(nRingShow_)]);
    nRingShow_ = (nRingShow_ + 1) % kRingSize;
    m.ShiftLastGood(m.nPosKB);
}

int32_t TkmMovieSource::AudioBytesForShownPicture() {
    return nRingAudio_[static_cast<size_t>(nRingShow_)];
}

void TkmMovieSource::HandleAudioNotices() {
    int32_t notice;
    while (notices_.Take(notice)) {
        const TPlayState& play = c_.engine.State();
        if (notice == audio::AudioNoticeQueue::kSlotReset) {
            audio_.ResetSlotsAfterStop();
            // The last buffer of the previous run has finished: the waiting start goes ahead.
            if (sound_start_pending_ && play.bPlaying && !StartSound()) c_.engine.StopPlay();
        } else if (notice == audio::kNoticeBufferDone) {
            if (!play.bPlaying) continue;
            audio_.SubmitNextAudioSlot();
            audio_.FillAudioSlots();
        } else if (notice == audio::kNoticeUnderrun) {
            if (!play.bPlaying || play.bPaused) continue;
            // The output still counts as playing after an underrun, and would not start again:
            // stop it, then refill the ring and start the sound afresh.
            audio_.StopAudio();
            Resume();
        }
    }
}

}  // namespace qv::app

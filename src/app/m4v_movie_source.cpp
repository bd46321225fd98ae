// The .m4v branch of the player: a bare stream, one picture per timer tick at 66 ms.
#include <new>

#include "app/stream_movie_source.h"

namespace qv::app {

bool M4vMovieSource::Open(const std::string& path) {
    const int size_kb = OpenStream(path);
    SetUpWindow(false);
    if (size_kb < 1) {
        c_.window.ReportOpenFailure(kMsgNotFound);
        return false;
    }
    TOpenMovie& m = c_.movie;
    if (!PlausiblePictureSize(m.nWidth, m.nHeight)) return false;
    c_.ui[ctl::pbWhere].maximum = size_kb;
    try {
        m.pPicture.Allocate(m.nWidth, m.nHeight);
    } catch (const std::bad_alloc&) {
        return false;
    }
    c_.engine.SetFixedTimer(66);
    c_.window.FitPicture(false);
    return true;
}

void M4vMovieSource::Close() {
    media_.CloseStreamFile();
    c_.movie.pPicture = Picture{};
}

bool M4vMovieSource::ShowFirstPicture() {
    TOpenMovie& m = c_.movie;
    if (!media_.RewindToFirstVop()) return false;
    const int32_t p =
        media_.DecodeNextFrame(&m.pPicture, nullptr, false, nullptr, nullptr, nullptr);
    if (p <= 0) return false;
    m.nCurFrame = 0;
    c_.ui.status[3] = "Frame 1";
    c_.engine.SetProgressBar(p);
    c_.window.ShowPicture(m.pPicture);
    return true;
}

bool M4vMovieSource::Rewind() {
    if (ShowFirstPicture())
        c_.diag.ReportStopped(media_.DefaultFilterCount(), media_.DcFilterCount());
    return true;
}

int32_t M4vMovieSource::ShowNextPicture() {
    TOpenMovie& m = c_.movie;
    int32_t quantiser = 0;
    const int32_t p =
        media_.DecodeNextFrame(&m.pPicture, nullptr, false, nullptr, nullptr, &quantiser);
    if (p < 1) return p;
    c_.diag.ShowQuantiser(quantiser);
    ++m.nCurFrame;
    c_.ui.status[3] = "Frame " + std::to_string(m.nCurFrame + 1);
    c_.window.ShowPicture(m.pPicture);
    return p;
}

TickResult M4vMovieSource::Tick(int) {
    TOpenMovie& m = c_.movie;
    m.nPosKB = ShowNextPicture();
    if (m.nPosKB >= 1) {
        c_.diag.ReportPictureHeader(m.nCurFrame);
        c_.engine.SetProgressBar(m.nPosKB);
        m.ShiftLastGood(m.nPosKB);
        return TickResult::Shown;
    }
    // The end of the stream, or a picture that cannot be decoded: pause and say where the
    // stream was last good.
    c_.engine.PausePlay();
    c_.ui.status[4] = LastGoodText();
    return TickResult::Nothing;
}

}  // namespace qv::app

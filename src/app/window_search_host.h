// The main window around the search and event commands: the open camera AVI, the playlist they go
// on through, and the buttons, messages, bars and thumbnail they show.
#pragma once

#include "app/avi_movie_source.h"
#include "app/avi_reader.h"
#include "app/open_movie.h"
#include "app/platform_seam.h"
#include "app/playback_engine.h"
#include "app/playlist.h"
#include "app/ui_state.h"
#include "search/search_host.h"

namespace qv::app {

class WindowSearchHost final : public search::SearchHost {
  public:
    struct Parts {
        Platform& platform;
        UiState& ui;
        PlaybackEngine& engine;
        AviReader& reader;
        AviMovieSource& source;
        const TPlaylist& playlist;
        EntryNavigator& entries;
        const TOpenMovie& movie;
    };
    explicit WindowSearchHost(Parts parts) : p_(parts) {}

    search::SearchMovie& Movie() override { return p_.reader; }
    int CurrentFrame() const override { return p_.reader.CurrentFrame(); }
    int FrameCount() const override { return p_.reader.FrameCount(); }
    void SeekEnd() override { p_.reader.SeekEnd(); }
    void ShowFrame(int frame) override;
    search::EntryOpen OpenEntry(int delta) override;
    std::string ThresholdText() const override { return p_.ui[ctl::edtMotionThreshold].text; }

    void ShowProgressBar() override { p_.engine.ShowProgressBar(); }
    void DisableTransportButtons() override { p_.engine.SetTransport(kTransportOff); }
    void ShowSearchRunning() override;
    void EnableStop() override { p_.engine.SetTransport({.stop = Switch::On}); }
    void ShowSearchMessage(int message) override;
    void RefuseThreshold() override;
    void PausePlay() override { p_.engine.PausePlay(); }
    void DisableTransport() override { p_.engine.DisableTransport(); }

    bool ShowsThumbnail() const override { return true; }
    void ShowThumbnail(const search::MotionBuffers& buffers) override;
    void SetProgress(int frame) override { p_.engine.SetProgressBar(frame); }
    void ProcessPendingEvents() override { p_.platform.ProcessPendingEvents(); }
    void ShowMovieInfo() override;

  private:
    Parts p_;
};

}  // namespace qv::app

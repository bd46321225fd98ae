// What a movie source reaches of the player while it opens and plays a recording: the window's
// state, the movie record, the engine, the overlay, the diagnostics, and the few things only the
// main window decides (showing a picture, zoom and layout, reporting a failed open).
#pragma once

#include <string>

#include "app/host_services.h"
#include "app/open_movie.h"
#include "app/overlay.h"
#include "app/platform_seam.h"
#include "app/playback_engine.h"
#include "app/settings.h"
#include "app/ui_state.h"
#include "diag/diagnostics_logic.h"

namespace qv::app {

class MovieWindow {
  public:
    virtual ~MovieWindow() = default;
    // Every displayed picture goes through here.
    virtual void ShowPicture(const Picture& picture) = 0;
    // Sizes the image for the zoom and the open movie's picture; the first camera AVI of a run
    // picks the zoom from its width when choose_zoom is set.
    virtual void FitPicture(bool choose_zoom) = 0;
    // Lays the panels out for the open movie's kind.
    virtual void LayoutWindow() = 0;
    // The message window with one of its texts; the movie stays closed.
    virtual void ReportOpenFailure(int selector) = 0;
    // A recording whose last frames are missing from the file (a copy that stopped early).
    virtual void ReportCutShort(const std::string& path, int frames, int declared_frames) = 0;
    virtual int DeblockMethod() const = 0;
};

struct SourceContext {
    Platform& platform;
    HostServices& host;
    UiState& ui;
    TOpenMovie& movie;
    PlaybackEngine& engine;
    Overlay& overlay;
    diag::DiagnosticsLogic& diag;
    const PlayerSettings& settings;
    MovieWindow& window;
};

// The menu items every open sets: the camera settings and stamping commands are hidden while a
// movie is open, deblocking is offered.
inline void ShowMovieMenus(UiState& ui) {
    ui.Show(ctl::CameraSettings1, false);
    ui.Show(ctl::EmbedTimestamp1, false);
    ui.Show(ctl::Deblock1, true);
}

// The panels that belong to camera frames: speed, statistics and motion search.
inline void ShowCameraPanels(UiState& ui, bool on) {
    for (ControlName n : {ctl::gbMotion, ctl::gbStats, ctl::gbPlayRate, ctl::lblRate})
        ui.Show(n, on);
}

// Picture sizes a camera can write; anything beyond is a damaged header and must not drive an
// allocation.
inline bool PlausiblePictureSize(int w, int h) {
    return w > 0 && h > 0 && w <= 8192 && h <= 8192;
}

}  // namespace qv::app

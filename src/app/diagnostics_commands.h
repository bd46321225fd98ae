// The diagnostics window's commands that reach beyond its own state: the decoder switches, the
// deblocking method, the .tkm restart, the focus score of the frame on screen, saving the list,
// and showing the window from the Options menu.
#pragma once

#include "app/avi_reader.h"
#include "app/open_movie.h"
#include "app/platform_seam.h"
#include "app/playback_engine.h"
#include "app/settings.h"
#include "app/stream_media.h"
#include "app/stream_movie_source.h"
#include "app/ui_state.h"
#include "diag/diagnostics_logic.h"

namespace qv::app {

struct DiagnosticsContext {
    Platform& platform;
    diag::DiagnosticsLogic& diag;
    AviReader& avi;
    StreamMedia& stream;
    PlaybackEngine& engine;
    TkmMovieSource& tkm;
    const TOpenMovie& movie;
    UiState& ui;
    PlayerSettings& settings;
    int& deblock_method;  // the player's g_nDeblockMethod
};

class DiagnosticsCommands {
  public:
    explicit DiagnosticsCommands(DiagnosticsContext c) : c_(c) {}

    // Options > Diagnostics: shows the window, which otherwise shows itself only at start with
    // "ShowDiags" on. Opening it turns the frame dump on for the rest of the run, as that
    // setting would have.
    void Diagnostics1Click();
    // Hands the decoder switches and the list to the readers (at start and on every change).
    void ApplySwitches();
    void cbForceBWClick(bool on);
    void cbCheckSpuriousEOIClick(bool on);
    void cbDumpRTCDataClick(bool on);
    void rgDeBlockMethodClick(int item);
    // The .tkm rewind, only while a .tkm is open and paused.
    void bTKMRestartClick();
    void bGetFocusScoreClick() { c_.diag.GetFocusScore(c_.avi.Luma()); }
    // Saves the list's rows as lines of a file the user chooses (proposed: the program's name
    // with ".log" in its folder).
    void ListBox1DblClick();

  private:
    DiagnosticsContext c_;
};

}  // namespace qv::app

// Everything the main window decides, without the window: start-up and settings, opening movies,
// the playback engine, display and zoom, the playlist, the statistics and timestamp and the movie
// information. Handlers keep the names of the controls and events that call them; the toolkit
// forwards its signals here and repaints from ui().
#pragma once

#include <string>
#include <vector>

#include "app/avi_reader.h"
#include "app/diagnostics_view.h"
#include "app/ini_file.h"
#include "app/lang_dispatcher.h"
#include "app/open_movie.h"
#include "app/platform_seam.h"
#include "app/play_state.h"
#include "app/playlist.h"
#include "app/settings.h"
#include "app/ui_state.h"

namespace qv::app {

enum class MouseButton { Left, Right, Middle };

class MainWindowLogic {
  public:
    MainWindowLogic(Platform& platform, AviReader& reader, std::string settings_path);

    // Start-up and close.
    void FormCreate(const std::vector<std::string>& arguments);
    void FormShow(int screen_width, int screen_height);
    void FormClose();
    void Exit1Click();
    void About1Click();
    void CameraSettings1Click() {}
    void LoadSettings();
    void SaveSettings();

    // Opening.
    bool OpenMovie(const std::string& path, int index);
    void CloseMovie();

    // Playback.
    void Timer1Timer();
    void sbForwardClick() { StartPlay(+1); }
    void sbBackwardClick() { StartPlay(-1); }
    void sbPauseClick() { PausePlay(); }
    void sbStopClick() { StopPlay(); }
    void sbNextClick();
    void sbPreviousClick();
    void FormKeyPress(char key);
    // Returns true when the key was handled and must not reach the focused control.
    bool FormKeyUp(int virtual_key);
    void tbRateChange(int position);
    void tbRateEnter() { play_.bSeekGuard = true; }
    void tbRateExit() { play_.bSeekGuard = false; }
    void tbWhereChange(int position);
    void tbWhereEnter() { play_.bSeekFocus = true; }
    void tbWhereExit() { play_.bSeekFocus = false; }
    void StartPlay(int direction);
    void PausePlay();
    void StopPlay();
    void DisableTransport();
    void ShowAviFrame(bool move_bars);
    void SpeedToTimer();

    // Display and zoom.
    void FormResize(int client_width, int client_height);
    void Image1MouseDown(MouseButton button);
    void Zoom1X1Click();
    void N2xzoom1Click();
    void Varzoom1Click();
    void ApplyZoom();
    void CenterImage();
    void LayoutWindow();

    // Playlist.
    void Open1Click();
    void FilesDropped(const std::vector<std::string>& paths);
    void lbPlayListDblClick(int row);
    // Pointer at (x, y) in a list of the given size whose rows are item_height high, top_row the
    // first row in view.
    void lbPlayListMouseMove(int x, int y, int list_width, int list_height, int item_height,
                             int top_row);
    void lbPlayListExit() { ui_.SetText("lblFilePath", ""); }
    void bPreviousClick();
    void bSkipClick();
    void bClearPlayListClick();
    void AddFile(const std::string& path);
    void ShowPlaylist();
    void PlayEntry(int index);
    void ClearPlaylist();

    // Overlay and menu toggles.
    void EmbedTimestamp1Click();
    void Deblock1Click();
    void DecoratePicture(Picture& picture);
    void UpdateElapsed();

    const UiState& ui() const { return ui_; }
    UiState& ui() { return ui_; }
    const TOpenMovie& movie() const { return movie_; }
    const TPlayState& play() const { return play_; }
    const TPlaylist& playlist() const { return playlist_; }
    const PlayerSettings& settings() const { return settings_; }
    int zoom() const { return nZoom_; }
    bool embed_time() const { return g_bEmbedTime_; }
    int deblock_method() const { return g_nDeblockMethod_; }
    LanguageDispatcher& language() { return lang_; }
    // What the diagnostics window shows; it sets visible while it is up.
    DiagnosticsView& diagnostics() { return diag_; }
    const std::string& settings_path() const { return settings_path_; }
    // Base name of the entry played last; the export dialog proposes names from it.
    const std::string& entry_base_name() const { return entry_base_name_; }

  private:
    bool OpenAvi(const std::string& path, int index);
    void ReportOpenFailure(int selector);
    void ShowPicture(const Picture& picture);
    void SetTimerEnabled(bool on);
    void SetRate(int speed);
    void SetSeekBars(int position);
    void ShowProgressBar();
    void ShowSeekBar();
    void EnableAfterPause();
    int Frames() const { return reader_.FrameCount(); }
    int CurFrame() const { return reader_.CurrentFrame(); }
    bool EnglishActive() const { return lang_.IsFirstLanguageActive(); }

    Platform& platform_;
    AviReader& reader_;
    std::string settings_path_;
    IniFile ini_;
    PlayerSettings settings_;
    LanguageDispatcher lang_;
    UiState ui_;
    TOpenMovie movie_;
    TPlayState play_;
    TPlaylist playlist_;

    bool bOpening_ = false;
    bool bFirstAvi_ = true;
    bool start_on_show_ = false;
    bool timer_enabled_ = false;
    bool closed_ = false;
    int last_direction_ = 1;  // direction to resume when the speed leaves 0
    int nZoom_ = 100;
    bool g_bEmbedTime_ = false;
    int g_nDeblockMethod_ = 2;
    int64_t nElapsedMsSum_ = 0;
    int64_t nElapsedSec_ = 0;
    DiagnosticsView diag_;
    std::string entry_base_name_;
};

}  // namespace qv::app

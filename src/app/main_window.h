// Everything the main window decides, without the window: a coordinator of small objects. The
// open recording is a movie source of its kind; the playback engine moves it through time; the
// overlay decorates its pictures; the playlist, zoom, layout and settings stay here. Handlers keep
// the names of the controls and events that call them; the toolkit forwards its signals here and
// repaints from ui().
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/avi_movie_source.h"
#include "app/avi_reader.h"
#include "app/diagnostics_commands.h"
#include "app/export_dialog.h"
#include "app/export_progress.h"
#include "app/host_services.h"
#include "app/ini_file.h"
#include "app/lang_dispatcher.h"
#include "app/movie_info_fit.h"
#include "app/open_movie.h"
#include "app/overlay.h"
#include "app/platform_seam.h"
#include "app/playback_engine.h"
#include "app/playlist.h"
#include "app/settings.h"
#include "app/stream_media.h"
#include "app/stream_movie_source.h"
#include "app/ui_state.h"
#include "app/window_search_host.h"
#include "audio/wave_out.h"
#include "camera/camera_settings_logic.h"
#include "diag/diagnostics_logic.h"
#include "search/search_logic.h"

namespace qv::app {

enum class MouseButton { Left, Right, Middle };

// The proposed name of a saved picture: tkfrm00001.jpg (camera AVI), tkfrm00001.bmp (.m4v),
// tkfrm00012c.bmp (.tkm, the number in hexadecimal).
std::string SaveFrameName(int type, int number);

// The text of Help > Keyboard.
extern const char* const kKeyboardReference;

// The readers and the sound output the player plays recordings with.
struct PlayerMedia {
    AviReader& avi;
    StreamMedia& stream;
    audio::WaveOutDevices& sound;
};

class MainWindowLogic final : private EntryNavigator,
                              private MovieWindow,
                              private camera::CameraDialogHost {
  public:
    MainWindowLogic(Platform& platform, HostServices& host, PlayerMedia media,
                    std::string settings_path);
    ~MainWindowLogic() override;

    // Start-up and close.
    void FormCreate(const std::vector<std::string>& arguments);
    // The window is shown on a desktop of the given screens (their usable areas, the primary
    // first): a window saved on a screen that is gone, or too large for its screen, is brought
    // back onto one.
    void FormShow(const std::vector<Rect>& screens);
    void FormShow(int screen_width, int screen_height) {
        FormShow(std::vector<Rect>{{0, 0, screen_width, screen_height}});
    }
    void FormClose();
    void Exit1Click();
    void About1Click();
    void CameraSettings1Click();
    camera::CameraSettingsLogic& camera_settings() { return camera_settings_; }
    void LoadSettings();
    void SaveSettings();

    // Opening.
    bool OpenMovie(const std::string& path, int index);
    void CloseMovie();

    // Playback.
    void Timer1Timer() { engine_.Timer1Timer(); }
    void sbForwardClick() { StartPlay(+1); }
    void sbBackwardClick() { StartPlay(-1); }
    void sbPauseClick() { PausePlay(); }
    void sbStopClick() { StopPlay(); }
    void sbNextClick() { engine_.StepForward(); }
    void sbPreviousClick() { engine_.StepBack(); }
    void FormKeyPress(char key);
    // Returns true when the key was handled and must not reach the focused control.
    bool FormKeyUp(int virtual_key);
    void tbRateChange(int position) { engine_.tbRateChange(position); }
    void tbRateEnter() { engine_.State().bSeekGuard = true; }
    void tbRateExit() { engine_.State().bSeekGuard = false; }
    void tbWhereChange(int position) { engine_.tbWhereChange(position); }
    void tbWhereEnter() { engine_.State().bSeekFocus = true; }
    void tbWhereExit() { engine_.State().bSeekFocus = false; }
    void StartPlay(int direction) { engine_.StartPlay(direction); }
    void PausePlay() { engine_.PausePlay(); }
    void StopPlay() { engine_.StopPlay(); }
    void DisableTransport() { engine_.DisableTransport(); }
    // Window message 0x501: the sound output's notices wait on the window's thread.
    void WmAudioNotice() { tkm_.HandleAudioNotices(); }
    // Window message 0x500: the next picture of a playing .tkm.
    void WmNextTkmPicture() { tkm_.NextTkmPicture(); }

    // Display and zoom.
    void FormResize(int client_width, int client_height);
    void Image1MouseDown(MouseButton button);
    void Zoom1X1Click();
    void N2xzoom1Click();
    void Varzoom1Click();
    void ApplyZoom();
    void CenterImage();
    void LayoutWindow() override;
    // The toolkit's height of the status bar in its font; never below the designed 19.
    void SetStatusBarHeight(int height);
    // Sizes the labels of the movie information from their texts in the toolkit's font, and lays
    // the window out again when the group's width changed. Cheap when no text changed.
    void FitLabels(const TextWidth& width);

    // Playlist.
    void Open1Click();
    void FilesDropped(const std::vector<std::string>& paths);
    void lbPlayListDblClick(int row);
    // Pointer at (x, y) in a list of the given size whose rows are item_height high, top_row the
    // first row in view.
    void lbPlayListMouseMove(int x, int y, int list_width, int list_height, int item_height,
                             int top_row);
    void lbPlayListExit() { ui_.SetText(ctl::lblFilePath, ""); }
    void bPreviousClick();
    void bSkipClick();
    void bClearPlayListClick();
    void AddFile(const std::string& path);
    void ShowPlaylist();
    void PlayEntry(int index) override;
    void ClearPlaylist();

    // Motion search and event navigation. The event handlers tell the PIR seek buttons by the
    // sender.
    void sbSearchForwardClick();
    void sbSearchBackwardClick();
    void sbStopSearchClick();
    void sbNextEventClick(ControlName sender);
    void sbPrevEventClick(ControlName sender);
    void edtMotionThresholdChange(const std::string& text);
    void cbIgnoreBrightnessClick(bool checked);
    // A search or event command runs and lets the window's events run meanwhile.
    bool SearchRunning() const { return search_.Running(); }
    const search::SearchLogic& search() const { return search_; }

    // Saving the picture on screen; the number goes into the proposed name.
    void SaveCurrent1Click();
    void SaveCurrent2Click();
    void SaveCurrentFrame(int number);

    // Exporting a segment.
    void Extract1Click();
    void SaveStartClick();
    void SaveEndClick();
    void SaveSegment1Click() { Extract1Click(); }
    ExportDialog& export_dialog() { return export_dialog_; }
    const ExportProgress& export_progress() const { return export_progress_; }

    // Menu toggles.
    void EmbedTimestamp1Click();
    void Deblock1Click();

    // Desktop conventions: Space pauses or resumes; full screen shows the picture alone and
    // Escape leaves it (true when it did); Edit > Undo brings back the entries the last clear
    // removed; Help > Keyboard lists the keys.
    void SpaceKey();
    void FullScreen1Click();
    bool LeaveFullScreen();
    void Undo1Click();
    void Keys1Click();

    const UiState& ui() const { return ui_; }
    UiState& ui() { return ui_; }
    const TOpenMovie& movie() const { return movie_; }
    const TPlayState& play() const { return engine_.State(); }
    const TPlaylist& playlist() const { return playlist_; }
    const PlayerSettings& settings() const { return settings_; }
    int zoom() const { return nZoom_; }
    bool embed_time() const { return overlay_.g_bEmbedTime; }
    int deblock_method() const { return g_nDeblockMethod_; }
    LanguageDispatcher& language() { return lang_; }
    // What the diagnostics window shows; it sets visible while it is up.
    diag::DiagnosticsLogic& diagnostics() { return diag_; }
    DiagnosticsCommands& diagnostics_commands() { return diag_commands_; }
    void Diagnostics1Click() { diag_commands_.Diagnostics1Click(); }
    const std::string& settings_path() const { return settings_path_; }
    // Base name of the entry played last; the export dialog proposes names from it.
    const std::string& entry_base_name() const { return entry_base_name_; }
    PlaybackEngine& engine() { return engine_; }
    TkmMovieSource& tkm_source() { return tkm_; }
    // The window is maximised (the toolkit keeps this up to date; it is saved at close).
    bool maximised = false;

  private:
    // EntryNavigator.
    bool HasNeighbour(int delta) const override;
    bool OpenNeighbour(int delta) override;
    int CurrentEntry() const override { return playlist_.nCurrent; }
    // CameraDialogHost.
    void Beep() override { platform_.Beep(); }
    void FocusField(int field) override { platform_.FocusCameraField(field); }
    void ShowNoDirMessage() override { platform_.ShowMessageWindow(kMsgNoDir); }
    void ShowWriteFailure(const std::string& text) override {
        platform_.ShowErrorBox(text, "Error");
    }
    std::time_t Now() override { return std::time(nullptr); }
    // MovieWindow.
    void ShowPicture(const Picture& picture) override;
    void FitPicture(bool choose_zoom) override;
    void ReportOpenFailure(int selector) override;
    void ReportCutShort(const std::string& path, int frames, int declared_frames) override;
    int DeblockMethod() const override { return g_nDeblockMethod_; }

    MovieSource* SourceFor(RecordingKind kind);
    // While a search command runs, a command that would replace the open movie or change the
    // playlist stops the search and runs when the search command has returned. True when the
    // action was put off.
    bool DeferWhileSearching(std::function<void()> action);
    // Runs a search command, then what was put off meanwhile.
    void RunSearchCommand(const std::function<void()>& command);
    bool SearchOffered() const { return engine_.Source() == &avi_; }
    // The one-based number of the frame on screen.
    int CurrentFrameNumber() const;
    // Nothing open: the picture, the statistics, the movie information and the movie's status
    // panels are emptied, and the panels a stream movie hid come back.
    void ClearMovieDisplay();

    Platform& platform_;
    HostServices& host_;
    PlayerMedia media_;
    std::string settings_path_;
    IniFile ini_;
    PlayerSettings settings_;
    LanguageDispatcher lang_;
    std::string entry_base_name_;  // before the export dialog, which proposes names from it
    UiState ui_;
    TOpenMovie movie_;
    TPlaylist playlist_;
    diag::DiagnosticsLogic diag_;
    Overlay overlay_;
    PlaybackEngine engine_;
    AviMovieSource avi_;
    M4vMovieSource m4v_;
    TkmMovieSource tkm_;
    DiagnosticsCommands diag_commands_;
    ExportDialog export_dialog_;
    ExportProgress export_progress_;
    WindowSearchHost search_host_;
    search::SearchLogic search_;
    std::function<void()> after_search_;
    std::string camera_root_;  // the camera's flash drive as mounted ("szCameraRoot")
    camera::CameraSettingsLogic camera_settings_;

    bool bFirstAvi_ = true;
    bool start_on_show_ = false;
    bool closed_ = false;
    int nZoom_ = 100;
    int g_nDeblockMethod_ = 2;
    std::set<std::string> cut_short_reported_;
    MovieInfoFit movie_info_fit_;
    std::vector<TPlaylistEntry> cleared_;  // what the last clear removed, for Undo
    int cleared_current_ = 0;
};

}  // namespace qv::app

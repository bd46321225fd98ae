// Opening and closing a movie.
#include <algorithm>
#include <cctype>
#include <new>

#include "app/ascii_case.h"
#include "app/main_window.h"
#include "app/overlay_text.h"

namespace qv::app {
namespace {

// Picture sizes a camera can write; anything beyond is a damaged header and must not drive an
// allocation.
bool PlausiblePictureSize(int w, int h) {
    return w > 0 && h > 0 && w <= 8192 && h <= 8192;
}

}  // namespace

bool MainWindowLogic::OpenMovie(const std::string& path, int index) {
    CloseMovie();
    movie_.szPath = path;
    movie_.szTitle = FileNameOf(path);
    ui_.caption = movie_.szTitle;
    ui_.status[0] = movie_.szTitle;
    const std::string ext = LowerAscii(ExtensionOf(path));
    if (ext == ".m4v" || ext == ".tkm") {
        // Stream movies are not played yet: report them the way a stream that cannot be opened is
        // reported, and leave nothing open.
        movie_.nType = ext == ".m4v" ? kM4v : kTkm;
        platform_.ShowErrorBox("Error opening " + path, "Error");
        movie_.nType = kNone;
        bOpening_ = false;
        return false;
    }
    if (ext == ".avi") {
        movie_.nType = kAvi;
        return OpenAvi(path, index);
    }
    // An unknown kind of file is reported; the player carries on with its playlist.
    ReportOpenFailure(kMsgUnknownFormat);
    return false;
}

void MainWindowLogic::ReportOpenFailure(int selector) {
    platform_.ShowMessageWindow(selector);
    CloseMovie();
    bOpening_ = false;
}

bool MainWindowLogic::OpenAvi(const std::string& path, int index) {
    if (reader_.Open(path) != 0) {
        // A file that fails to open is reported and skipped; quitting here would lose the
        // playlist and the session's settings.
        ReportOpenFailure(Frames() == 0 ? kMsgNoFrames : kMsgNotFound);
        return false;
    }
    nElapsedMsSum_ = 0;
    nElapsedSec_ = 0;
    movie_.nWidth = reader_.Width();
    movie_.nHeight = reader_.Height();
    movie_.nCapInterval = reader_.Scale();
    movie_.nRateValue = reader_.Rate();
    if (!PlausiblePictureSize(movie_.nWidth, movie_.nHeight)) {
        CloseMovie();
        return false;
    }
    try {
        movie_.pPicture.Allocate(movie_.nWidth, movie_.nHeight);
    } catch (const std::bad_alloc&) {
        CloseMovie();
        return false;
    }

    ui_.Show("CameraSettings1", false);
    ui_.Show("EmbedTimestamp1", false);
    ui_.Show("Deblock1", true);
    bOpening_ = true;
    ui_.Enable("EmbedTimestamp1", false);
    for (const char* n : {"gbMotion", "gbStats", "gbPlayRate", "lblRate"})
        ui_.Show(n, true);
    const DisplayFlags& flags = reader_.Flags();
    if (!flags.IntervalAsap)
        ui_.SetText("lblCapInterval", CaptureIntervalText(movie_.nCapInterval));
    ui_.status[1] = std::to_string(movie_.nWidth) + "x" + std::to_string(movie_.nHeight);
    ui_.status[2] = "Frames = " + std::to_string(Frames());

    SetRate(HeaderSpeed(movie_.nRateValue, movie_.nCapInterval));
    SpeedToTimer();
    if (bFirstAvi_) {
        nZoom_ = movie_.nWidth < 1280 ? 100 : 50;
        ApplyZoom();
        LayoutWindow();
        bFirstAvi_ = false;
    } else {
        // A later movie keeps the zoom, but the image takes this movie's picture size; without
        // this a smaller recording would be stretched to the previous one's size.
        ApplyZoom();
    }
    const int last = std::max(Frames() - 1, 0);
    ui_["pbWhere"].maximum = last;
    ui_["tbWhere"].maximum = last;
    ui_["tbWhere"].tick_frequency = std::max(Frames() / 100, 1);
    const bool events = reader_.EventRecording();
    ui_["pnlPlayCtrl"].rect.width = ui_[events ? "sbNextEvent" : "sbForward"].rect.Right() + 5;
    if (EnglishActive())
        ui_.SetText("lblCapIntervalTitle", events ? "Shutdown Delay" : "Capture Interval");
    ui_.playlist_selected = index;
    bOpening_ = false;
    if (Frames() <= 0) {
        ReportOpenFailure(Frames() == 0 ? kMsgNoFrames : kMsgNotFound);
        return false;
    }
    return true;
}

void MainWindowLogic::CloseMovie() {
    if (movie_.nType == kAvi) reader_.Close();
    movie_.pPicture = Picture{};
    movie_.nType = kNone;
    ui_.picture = nullptr;
    ++ui_.picture_serial;
}

}  // namespace qv::app

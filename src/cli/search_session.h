// What the search and events commands share: the recordings in the order the player's playlist
// keeps them, a camera movie that walks through them as the playlist would (a file that cannot be
// searched is reported and passed over), and the date and time of a frame.
#pragma once

#include <string>
#include <vector>

#include "cli/avi_session.h"
#include "search/avi_search_movie.h"
#include "search/search_host.h"

namespace qv::cli {

// The paths ordered by creation time as the playlist inserts them (a file goes before those made
// at the same time or later); repeated paths are dropped.
std::vector<std::string> PlaylistOrder(const std::vector<std::string>& paths);

// The arguments that are not options or option values.
std::vector<std::string> FileArguments(const Args& args, const std::vector<std::string>& valued);

// A frame as the commands print it: file, one-based frame, capture date and time.
struct FrameStamp {
    std::string file;
    int frame = 0;  // one-based
    std::string date, time;
};
std::string FrameStampJson(const FrameStamp& s);

// One open recording of the list, searchable.
struct SearchSession {
    AviSession avi;
    search::AviSearchMovie movie{avi.movie};
    Picture picture;

    // Opens a camera AVI for searching: an empty text, or why it cannot be searched.
    std::string OpenFailure(const std::string& path);
    // The same, printing the reason; false on failure.
    bool Open(const std::string& path);
    // Decodes frame (zero-based) for its capture date and time.
    FrameStamp Stamp(const std::string& path, int frame);
};

// The playlist of a search: the files, one open at a time. Nothing is shown; the frame the
// command shows last is remembered.
class FileSearchHost final : public search::SearchHost {
  public:
    FileSearchHost(std::vector<std::string> files, std::string threshold_text)
        : files_(std::move(files)), threshold_(std::move(threshold_text)) {}

    // Opens the first file (direction > 0) or the last one that opens, passing over those that
    // do not. False when none opens.
    bool OpenFirst(int direction);
    bool OpenedAny() const { return opened_any_; }
    const std::string& CurrentFile() const { return files_[static_cast<size_t>(index_)]; }
    int ShownFrame() const { return shown_; }
    AviMovie& Avi() { return session_.avi.movie; }
    FrameStamp StampShown() { return session_.Stamp(CurrentFile(), shown_); }

    search::SearchMovie& Movie() override { return session_.movie; }
    int CurrentFrame() const override { return session_.avi.movie.CurrentFrame(); }
    int FrameCount() const override { return session_.avi.movie.FrameCount(); }
    void SeekEnd() override { session_.avi.movie.AviSeekEnd(); }
    void ShowFrame(int frame) override;
    search::EntryOpen OpenEntry(int delta) override;
    std::string ThresholdText() const override { return threshold_; }

  private:
    std::vector<std::string> files_;
    std::string threshold_;
    SearchSession session_;
    int index_ = -1;
    int shown_ = 0;
    bool opened_any_ = false;
};

}  // namespace qv::cli

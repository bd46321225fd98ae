#include "cli/search_session.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "media/recording_kind.h"
#include "platform/clock.h"

namespace qv::cli {

std::vector<std::string> PlaylistOrder(const std::vector<std::string>& paths) {
    std::vector<std::pair<int64_t, std::string>> list;
    for (const std::string& p : paths) {
        if (std::any_of(list.begin(), list.end(), [&](const auto& e) { return e.second == p; }))
            continue;
        int64_t t = 0;
        if (!platform::CreationTimeNs(p, t)) t = INT64_MAX;
        auto at =
            std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.first >= t; });
        list.insert(at, {t, p});
    }
    std::vector<std::string> out;
    for (auto& e : list)
        out.push_back(std::move(e.second));
    return out;
}

std::vector<std::string> FileArguments(const Args& args, const std::vector<std::string>& valued) {
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (std::find(valued.begin(), valued.end(), args[i]) != valued.end()) {
            ++i;
        } else if (args[i].empty() || args[i][0] != '-') {
            files.push_back(args[i]);
        }
    }
    return files;
}

std::string FrameStampJson(const FrameStamp& s) {
    return "{\"file\": " + JsonString(s.file) + ", \"frame\": " + std::to_string(s.frame) +
           ", \"date\": " + JsonString(s.date) + ", \"time\": " + JsonString(s.time) + "}";
}

std::string SearchSession::OpenFailure(const std::string& path) {
    movie.Detach();
    if (RecordingKindOf(path) != RecordingKind::Avi)
        return "cannot search " + path + ": only camera AVI recordings hold frames to search";
    std::string failure = OpenAviFailure(path, avi);
    if (failure.empty()) movie.Attach(path);
    return failure;
}

bool SearchSession::Open(const std::string& path) {
    const std::string failure = OpenFailure(path);
    if (!failure.empty()) Fail(failure);
    return failure.empty();
}

FrameStamp SearchSession::Stamp(const std::string& path, int frame) {
    FrameStamp s{path, frame + 1, {}, {}};
    AviMovie& m = avi.movie;
    if (picture.width != m.Width() || picture.height != m.Height())
        picture.Allocate(m.Width(), m.Height());
    if (m.AviReadFrame(frame) == 0) m.AviDecodeCurrent(picture);
    // Without a camera clock the time is the file's clock plus the frames' capture intervals.
    m.CameraDateTime(static_cast<int64_t>(frame) * m.Scale(), s.date, s.time);
    return s;
}

bool FileSearchHost::OpenFirst(int direction) {
    index_ = direction > 0 ? -1 : static_cast<int>(files_.size());
    return OpenEntry(direction) == search::EntryOpen::Opened;
}

search::EntryOpen FileSearchHost::OpenEntry(int delta) {
    const int step = delta < 0 ? -1 : 1;
    bool tried = false;
    for (int i = index_ + step; i >= 0 && i < static_cast<int>(files_.size()); i += step) {
        tried = true;
        if (!session_.Open(files_[static_cast<size_t>(i)])) continue;
        index_ = i;
        opened_any_ = true;
        return search::EntryOpen::Opened;
    }
    // Only files that failed followed: the search ends on the recording it searched last, which
    // their attempts closed.
    if (tried && opened_any_) session_.Open(files_[static_cast<size_t>(index_)]);
    return search::EntryOpen::NoEntry;
}

void FileSearchHost::ShowFrame(int frame) {
    shown_ = std::clamp(frame, 0, std::max(FrameCount() - 1, 0));
    session_.avi.movie.AviSetFrame(shown_);
}

}  // namespace qv::cli

#include "app/playlist.h"

namespace qv::app {

int TPlaylist::Add(const std::string& path, int64_t created, bool playing) {
    if (nCount() >= kMaxEntries) return -1;
    for (const TPlaylistEntry& e : entries_)
        if (e.szPath == path) return -1;
    size_t i = 0;
    while (i < entries_.size() && entries_[i].ftCreated < created)
        ++i;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(i), {path, created});
    if (playing && static_cast<int>(i) <= nCurrent) ++nCurrent;
    return static_cast<int>(i);
}

int TPlaylist::Wrap(int index) const {
    if (index >= nCount()) return 0;
    if (index < 0) return nCount() - 1;
    return index;
}

std::vector<std::string> TPlaylist::Rows() const {
    std::vector<std::string> rows;
    rows.reserve(entries_.size());
    for (const TPlaylistEntry& e : entries_)
        rows.push_back(FileNameOf(e.szPath));
    return rows;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOf(const std::string& path) {
    std::string name = FileNameOf(path);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace qv::app

// The playlist: up to 1000 movie files kept in the order in which they were made, and the entry
// being played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/recording_kind.h"

namespace qv::app {

struct TPlaylistEntry {
    std::string szPath;
    int64_t ftCreated = 0;  // when the file was made; the sort key
};

// A sort key for a file whose creation time cannot be read: after every file that has one.
inline constexpr int64_t kUnknownCreationTime = INT64_MAX;

class TPlaylist {
  public:
    static constexpr int kMaxEntries = 1000;

    TPlaylist() { entries_.reserve(kMaxEntries); }

    // Inserts a file before the first entry made at the same time or later. Ignored (result -1)
    // when the list is full or holds exactly this path already. While playing, the current index
    // follows the entry it names. Returns the index of the new entry.
    int Add(const std::string& path, int64_t created, bool playing);
    // Drops every entry; the current index keeps its value until the next wrap.
    void Clear() { entries_.clear(); }
    // The index wrapped into the list: past the end is 0, below 0 the last entry.
    int Wrap(int index) const;

    int nCount() const { return static_cast<int>(entries_.size()); }
    const TPlaylistEntry& operator[](int i) const { return entries_[static_cast<size_t>(i)]; }
    // The rows of the list box: each entry's file name without its folder.
    std::vector<std::string> Rows() const;

    int nCurrent = 0;

  private:
    std::vector<TPlaylistEntry> entries_;
};

// File name with extension, without the folder.
std::string FileNameOf(const std::string& path);
// File name without folder and extension.
std::string BaseNameOf(const std::string& path);

}  // namespace qv::app

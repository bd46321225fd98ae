// What motion search and event navigation need of the open camera movie: its picture size, the
// reduced decode of a frame into block planes, and the header parse that tells event frames and
// PIR onsets. The camera AVI reader provides it in the player and in qvplay-cli; tests script it.
#pragma once

#include <cstdint>

namespace qv::search {

// One slot of block planes: one brightness value per 8x8 block and one chroma pair per 16x16
// area, as the reduced decode writes them.
struct BlockPlanes {
    uint8_t* luma = nullptr;
    int32_t* cb = nullptr;
    int32_t* cr = nullptr;
    int blocks_across = 0;  // even: two block columns per 16x16 area
    int block_rows = 0;     // even
};

class SearchMovie {
  public:
    virtual ~SearchMovie() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Reads frame and decodes its DC terms into planes. A frame that cannot be read or decoded
    // leaves the planes as they were (the caller does not look at a result).
    virtual void LoadBlocks(int frame, const BlockPlanes& planes) = 0;
    // The first event frame from first (included) towards end (excluded), or -1.
    virtual int ScanForEvent(int first, int end) = 0;
    // Reads frame and parses its headers, so the movie's metadata follows it; true when the PIR
    // trigger came on at this frame (it was off in the frame parsed before).
    virtual bool ParseForPirOnset(int frame) = 0;
    // The decoder's grey mode: the search thumbnail is grey too.
    virtual bool GreyMode() const = 0;
};

}  // namespace qv::search

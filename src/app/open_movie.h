// The record of the open movie.
#pragma once

#include <string>

#include "media/picture/picture.h"
#include "media/recording_kind.h"

namespace qv::app {

// nType values: the recording kinds' numbers.
enum MovieType : int { kNone = 0, kAvi = 1, kM4v = 2, kTkm = 3 };

struct TOpenMovie {
    int nType = kNone;
    std::string szPath;
    std::string szTitle;  // file name with extension
    int nWidth = 0;
    int nHeight = 0;       // a stream's pictures: with the 16 rows of the time band when stamping
    int nCapInterval = 0;  // seconds between captures
    int nRateValue = 0;
    int nCurFrame = 0;          // .m4v: pictures shown since the last rewind
    int nSizeKB = 0;            // stream movies: file size
    int nPosKB = 0;             // stream movies: position after the picture decoded last
    int nLastGood[2] = {0, 0};  // stream movies: the last two good positions, newest first
    Picture pPicture;           // the picture decoded into and shown (.avi and .m4v)

    RecordingKind Kind() const { return static_cast<RecordingKind>(nType); }
    // A position decoded well becomes the newest of the last two.
    void ShiftLastGood(int position) {
        nLastGood[1] = nLastGood[0];
        nLastGood[0] = position;
    }
};

}  // namespace qv::app

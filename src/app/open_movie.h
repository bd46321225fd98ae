// The record of the open movie.
#pragma once

#include <string>

#include "media/picture/picture.h"

namespace qv::app {

enum MovieType : int { kNone = 0, kAvi = 1, kM4v = 2, kTkm = 3 };

struct TOpenMovie {
    int nType = kNone;
    std::string szPath;
    std::string szTitle;  // file name with extension
    int nWidth = 0;
    int nHeight = 0;
    int nCapInterval = 0;  // seconds between captures
    int nRateValue = 0;
    int nSizeKB = 0;  // stream movies: file size
    int nPosKB = 0;   // stream movies: position after the picture decoded last
    int nLastGood[2] = {0, 0};
    Picture pPicture;  // the picture decoded into and shown
};

}  // namespace qv::app

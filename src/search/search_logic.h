// The commands that jump to an interesting frame instead of playing through a recording: motion
// search forward and backward, Stop Search, and the next or previous event frame or PIR onset.
// Each goes on through the following (or preceding) playlist entries when the open movie holds
// nothing more.
#pragma once

#include <string_view>

#include "search/motion_search.h"
#include "search/search_host.h"

namespace qv::search {

// The threshold as the field reads: leading blanks and a sign allowed, reading stops at the
// first non-digit, no digits give 0; values beyond 32 bits are held at the nearest limit.
int ReadThreshold(std::string_view text);

class SearchLogic {
  public:
    // threshold is the setting the searches read into and the settings file keeps.
    SearchLogic(SearchHost& host, int& threshold);

    void sbSearchForwardClick() { Search(+1); }
    void sbSearchBackwardClick() { Search(-1); }
    void sbStopSearchClick();
    // From the event buttons (pir false) or the PIR seek buttons (pir true).
    void sbNextEventClick(bool pir);
    void sbPrevEventClick(bool pir);
    // A playlist entry was opened while search mode is on: search it in the same direction.
    void ContinueSearch();

    // A command is running; its pass or scan lets the window's events run.
    bool Running() const { return running_ > 0; }
    MotionSearch& Motion() { return motion_; }

    int& nMotionThreshold;
    bool bSearchMode = false;
    int nSearchDirection = 0;
    int nSearchMessage = 0;

  private:
    // The search command in a direction.
    void Search(int direction);
    // Runs the passes from the current frame on through the playlist; > 0 the find.
    int SearchThrough(int direction);
    // Event frames or PIR onsets from the current frame on through the playlist; -1 none.
    int EventThrough(int direction, bool pir);
    int ScanForEvent(int first, int end);
    bool Stopped() const { return motion_.SearchStopRequested; }
    bool AcceptThreshold();
    void SetMessage(int message);

    SearchHost& host_;
    MotionSearch motion_;
    int running_ = 0;
};

}  // namespace qv::search

#include "search/search_logic.h"

#include <climits>

#include "platform/field_number.h"
#include "search/event_scan.h"

namespace qv::search {
namespace {

// A playlist entry failed to open: the command ends with the transport disabled.
constexpr int kOpenFailed = INT_MIN;

// Counts a command in and out, so a nested one (a continuation) is counted too.
struct RunningScope {
    explicit RunningScope(int& n) : n_(n) { ++n_; }
    ~RunningScope() { --n_; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;
    int& n_;
};

}  // namespace

int ReadThreshold(std::string_view text) {
    return platform::FieldNumber(text);
}

SearchLogic::SearchLogic(SearchHost& host, int& threshold)
    : nMotionThreshold(threshold), host_(host), motion_(host.Movie(), host) {}

void SearchLogic::SetMessage(int message) {
    nSearchMessage = message;
    host_.ShowSearchMessage(message);
}

bool SearchLogic::AcceptThreshold() {
    nMotionThreshold = ReadThreshold(host_.ThresholdText());
    if (nMotionThreshold != 0) return true;
    host_.RefuseThreshold();
    return false;
}

int SearchLogic::SearchThrough(int direction) {
    const int count = host_.FrameCount();
    int first = host_.CurrentFrame();
    // Backward from one past the last frame (after a seek to the end) starts at the last frame.
    if (direction < 0 && first >= count) first = count - 1;
    int r = motion_.MotionSearchPass(first, direction > 0 ? count : 0, nMotionThreshold);
    if (direction < 0) nSearchDirection = -1;
    // A stop that came while the walk took its last step ends the search here too, instead of
    // going on into the next entry.
    while (r == 0 && !Stopped()) {
        switch (host_.OpenEntry(direction)) {
            case EntryOpen::NoEntry:
                return 0;
            case EntryOpen::Failed:
                return kOpenFailed;
            case EntryOpen::Opened:
                break;
        }
        if (direction < 0) {
            host_.SeekEnd();
            r = motion_.MotionSearchPass(host_.FrameCount() - 1, 0, nMotionThreshold);
        } else {
            r = motion_.MotionSearchPass(host_.CurrentFrame(), host_.FrameCount(),
                                         nMotionThreshold);
        }
    }
    return r;
}

void SearchLogic::Search(int direction) {
    RunningScope scope(running_);
    host_.ShowProgressBar();
    if (AcceptThreshold()) {
        host_.DisableTransportButtons();
        bSearchMode = true;
        // A backward search takes its direction after its first pass.
        if (direction > 0) nSearchDirection = +1;
        host_.ShowSearchRunning();
        SetMessage(direction > 0 ? 1 : 2);
        const int r = SearchThrough(direction);
        if (r == kOpenFailed) {
            host_.DisableTransport();
            return;
        }
        // Without a find the walk's end is shown: the last frame, or frame 0 going backward
        // (never compared, as a pass never decodes its end frame).
        host_.ShowFrame(r > 0 ? r : direction > 0 ? host_.FrameCount() - 1 : 0);
        SetMessage(r > 0 ? 3 : 0);
    }
    host_.PausePlay();
}

void SearchLogic::sbStopSearchClick() {
    motion_.StopMotionPass();
    nSearchDirection = 0;
    bSearchMode = false;
    host_.PausePlay();
}

void SearchLogic::ContinueSearch() {
    if (nSearchDirection < 0) {
        host_.SeekEnd();
        sbSearchBackwardClick();
    } else if (nSearchDirection > 0) {
        sbSearchForwardClick();
    }
}

int SearchLogic::ScanForEvent(int first, int end) {
    if (first == end) return -1;
    motion_.SearchStopRequested = false;
    return host_.Movie().ScanForEvent(first, end);
}

int SearchLogic::EventThrough(int direction, bool pir) {
    const int cur = host_.CurrentFrame();
    int a = -1;
    if (direction > 0)
        a = pir ? ScanForPirOnset(host_.Movie(), host_, motion_.SearchStopRequested, cur + 1,
                                  host_.FrameCount())
                : ScanForEvent(cur + 1, host_.FrameCount());
    else if (cur > 0)  // at frame 0 nothing comes before the current frame in this movie
        a = pir ? ScanForPirOnset(host_.Movie(), host_, motion_.SearchStopRequested, cur - 1, 0)
                : ScanForEvent(cur - 1, 0);
    // Further movies are searched for event frames, whichever button started the command.
    while (a == -1) {
        switch (host_.OpenEntry(direction)) {
            case EntryOpen::NoEntry:
                return -1;
            case EntryOpen::Failed:
                return kOpenFailed;
            case EntryOpen::Opened:
                break;
        }
        if (direction > 0) {
            a = ScanForEvent(host_.CurrentFrame(), host_.FrameCount());
        } else {
            host_.SeekEnd();
            a = ScanForEvent(host_.FrameCount() - 1, 0);
        }
    }
    return a;
}

void SearchLogic::sbNextEventClick(bool pir) {
    RunningScope scope(running_);
    host_.ShowProgressBar();
    host_.DisableTransportButtons();
    const int a = EventThrough(+1, pir);
    if (a == kOpenFailed) {
        host_.DisableTransport();
        return;
    }
    host_.ShowFrame(a >= 0 ? a : host_.FrameCount() - 1);
    host_.PausePlay();
}

void SearchLogic::sbPrevEventClick(bool pir) {
    RunningScope scope(running_);
    host_.ShowProgressBar();
    host_.DisableTransportButtons();
    host_.EnableStop();
    const int a = EventThrough(-1, pir);
    if (a == kOpenFailed) {
        host_.DisableTransport();
        return;
    }
    host_.ShowFrame(a >= 0 ? a : 0);
    host_.PausePlay();
}

}  // namespace qv::search

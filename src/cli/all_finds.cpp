#include "cli/all_finds.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/progress_bar.h"
#include "cli/search_session.h"
#include "search/motion_search.h"

namespace qv::cli {
namespace {

struct FileFinds {
    std::string failure;  // why the file could not be searched; empty when it was
    std::vector<FrameStamp> finds;
};

// Counts the frames the passes load, for the progress bar.
class CountingView final : public search::PassView {
  public:
    explicit CountingView(std::atomic<int64_t>& frames) : frames_(frames) {}
    void SetProgress(int) override { frames_.fetch_add(1, std::memory_order_relaxed); }

  private:
    std::atomic<int64_t>& frames_;
};

void SearchFile(const std::string& path, const AllFindsRequest& r, std::atomic<int64_t>& frames,
                FileFinds& out) {
    SearchSession s;
    out.failure = s.OpenFailure(path);
    if (!out.failure.empty()) return;
    CountingView view(frames);
    search::MotionSearch motion(s.movie, view);
    motion.ignore_brightness = r.ignore_brightness;
    const int count = s.avi.movie.FrameCount();
    // Each pass starts where the one before found motion, as a repeated Search Forward does.
    for (int f = motion.MotionSearchPass(0, count, r.threshold); f > 0;
         f = motion.MotionSearchPass(f, count, r.threshold))
        out.finds.push_back(s.Stamp(path, f));
}

// Runs the files on the given number of threads; the calling thread draws the progress bar.
std::vector<FileFinds> SearchAll(const AllFindsRequest& r, int jobs, bool progress) {
    std::vector<FileFinds> results(r.files.size());
    std::atomic<size_t> next{0}, done{0};
    std::atomic<int64_t> frames{0};
    auto work = [&] {
        for (size_t i = next++; i < r.files.size(); i = next++) {
            SearchFile(r.files[i], r, frames, results[i]);
            ++done;
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j)
        threads.emplace_back(work);
    while (progress && done < r.files.size()) {
        DrawProgressBar("search", static_cast<long long>(done.load()),
                        static_cast<long long>(r.files.size()),
                        std::to_string(done.load()) + "/" + std::to_string(r.files.size()) +
                            " files, " + std::to_string(frames.load()) + " frames");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& t : threads)
        t.join();
    if (progress) ClearProgressBar();
    return results;
}

}  // namespace

int PrintAllFinds(const AllFindsRequest& r, bool json) {
    int jobs = r.jobs > 0 ? r.jobs : static_cast<int>(std::thread::hardware_concurrency());
    jobs = std::clamp(jobs, 1, static_cast<int>(std::max<size_t>(r.files.size(), 1)));
    const std::vector<FileFinds> results = SearchAll(r, jobs, ::isatty(2) != 0);
    bool searched = false;
    for (const FileFinds& f : results) {
        if (!f.failure.empty())
            Fail(f.failure);
        else
            searched = true;
    }
    bool first = true;
    if (json) std::printf("{\"finds\": [");
    for (const FileFinds& f : results) {
        for (const FrameStamp& s : f.finds) {
            if (json)
                std::printf("%s\n  %s", first ? "" : ",", FrameStampJson(s).c_str());
            else
                std::printf("%s frame %d  %s %s\n", s.file.c_str(), s.frame, s.date.c_str(),
                            s.time.c_str());
            first = false;
        }
    }
    if (json) std::printf("%s]}\n", first ? "" : "\n");
    return searched ? 0 : Fail("no recording could be searched");
}

}  // namespace qv::cli

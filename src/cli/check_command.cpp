// qvplay-cli check FILE... [--json] [--eoi] [--deblock 0|1|2] [--jobs N]: decodes every frame of
// each recording, on up to N threads (one recording each), and reports the frames that fail and
// the frames per second, in the order the files were given. Exit code 1 when any frame is bad or
// a recording cannot be opened.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cli/avi_session.h"
#include "cli/check_recording.h"
#include "cli/commands.h"

namespace qv::cli {

namespace {

struct CheckArgs {
    std::vector<std::string> files;
    CheckOptions options;
    bool json = false;
    int jobs = 0;
};

bool ParseCheckArgs(const Args& args, CheckArgs& out, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        int64_t v = 0;
        if (a == "--json") {
            out.json = true;
        } else if (a == "--eoi") {
            out.options.end_of_image = true;
        } else if (a == "--deblock" && has_value) {
            const std::string& m = args[++i];
            if (m != "0" && m != "1" && m != "2") return error = "--deblock takes 0, 1 or 2", false;
            out.options.deblock = m[0] - '0';
        } else if (a == "--jobs" && has_value) {
            if (!ParseInt(args[++i], v) || v < 1 || v > 1024)
                return error = "--jobs takes a count from 1", false;
            out.jobs = static_cast<int>(v);
        } else if (!a.empty() && a[0] != '-') {
            out.files.push_back(a);
        } else {
            return error = "unexpected argument '" + a + "'", false;
        }
    }
    if (out.files.empty()) return error = "check needs at least one recording", false;
    return true;
}

// Each thread takes the next unchecked recording until none is left.
std::vector<CheckResult> RunAll(const CheckArgs& a) {
    std::vector<CheckResult> results(a.files.size());
    int jobs = a.jobs ? a.jobs : static_cast<int>(std::thread::hardware_concurrency());
    jobs = std::clamp(jobs, 1, static_cast<int>(a.files.size()));
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < a.files.size(); i = next++)
            results[i] = CheckRecording(a.files[i], a.options);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < jobs; ++t)
        threads.emplace_back(work);
    work();
    for (auto& t : threads)
        t.join();
    return results;
}

double FramesPerSecond(const CheckResult& r) {
    return r.seconds > 0 ? r.frames / r.seconds : 0;
}

void PrintText(const CheckResult& r) {
    if (!r.error.empty()) {
        std::printf("%s: %s\n", r.file.c_str(), r.error.c_str());
        return;
    }
    std::printf("%s: %d frames, %zu bad, %.3f s, %.1f frames per second\n", r.file.c_str(),
                r.frames, r.bad.size(), r.seconds, FramesPerSecond(r));
    for (const BadFrame& b : r.bad)
        std::printf("  frame %d: result %d\n", b.frame, b.result);
}

void PrintJson(const std::vector<CheckResult>& results) {
    std::printf("{\"files\": [");
    for (size_t i = 0; i < results.size(); ++i) {
        const CheckResult& r = results[i];
        std::printf("%s\n  {\"file\": %s, \"frames\": %d, \"bad\": [", i ? "," : "",
                    JsonString(r.file).c_str(), r.frames);
        for (size_t k = 0; k < r.bad.size(); ++k)
            std::printf("%s{\"frame\": %d, \"result\": %d}", k ? ", " : "", r.bad[k].frame,
                        r.bad[k].result);
        std::printf("], \"seconds\": %.6f", r.seconds);
        if (!r.error.empty()) std::printf(", \"error\": %s", JsonString(r.error).c_str());
        std::printf("}");
    }
    std::printf("\n]}\n");
}

}  // namespace

int CheckRecordings(const Args& args) {
    CheckArgs a;
    std::string error;
    if (!ParseCheckArgs(args, a, error)) return Fail(error);
    const std::vector<CheckResult> results = RunAll(a);
    bool all_good = true;
    for (const CheckResult& r : results)
        all_good = all_good && r.error.empty() && r.bad.empty();
    if (a.json) {
        PrintJson(results);
    } else {
        for (const CheckResult& r : results)
            PrintText(r);
    }
    return all_good ? 0 : 1;
}

}  // namespace qv::cli

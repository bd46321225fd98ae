// qvplay-cli export FILE --first A --last B [--skip S] [--as avi|jpg] -o PATH: the window's export
// of a segment of a camera AVI (one-based, last included), as a new camera AVI or as numbered
// JPEG files (PATH park_.jpg gives park_00001.jpg, ...). Exit 0 only when every frame was
// written.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli/avi_session.h"
#include "cli/progress_bar.h"
#include "export/avi_export_source.h"
#include "export/export_segment.h"

namespace qv::cli {
namespace {

// A progress bar on stderr when it is a terminal; notes and failures as one line each.
class CliExportWindow final : public exports::ExportWindow {
  public:
    void ProgressStart(int start, int end, int step) override {
        total_ = (end - start) / step + 1;
        done_ = 0;
        Draw();
    }
    void ProgressText(const std::string&) override {}
    void ProgressStep() override {
        ++done_;
        if (done_ == total_ || done_ % 16 == 0) Draw();
    }
    void ProgressDone() override {
        if (bar_) ClearProgressBar();
    }
    void ShowNote(const std::string& text, const std::string&) override { Fail(text); }
    void ReportFailure(const std::string& text) override {
        ProgressDone();
        Fail(text);
    }

  private:
    void Draw() {
        if (bar_)
            DrawProgressBar("export", done_, total_,
                            std::to_string(done_) + "/" + std::to_string(total_) + " frames");
    }
    const bool bar_ = ::isatty(2) != 0;
    int total_ = 0, done_ = 0;
};

bool ReadNumber(const Args& args, const char* name, int64_t min, int64_t& out, bool& bad) {
    const std::string* v = OptionValue(args, name, bad);
    if (!v) return false;
    if (!ParseInt(*v, out) || out < min || out > INT32_MAX) bad = true;
    return !bad;
}

}  // namespace

int ExportCommand(const Args& args) {
    bool bad = false;
    int64_t first = 0, last = 0, skip = 0;
    const bool has_first = ReadNumber(args, "--first", 1, first, bad);
    const bool has_last = ReadNumber(args, "--last", 1, last, bad);
    ReadNumber(args, "--skip", 0, skip, bad);
    const std::string* as = OptionValue(args, "--as", bad);
    const std::string* out = OptionValue(args, "-o", bad);
    if (bad || !has_first || !has_last || !out || (as && *as != "avi" && *as != "jpg"))
        return Fail(
            "usage: export FILE --first A --last B [--skip S] [--as avi|jpg] -o PATH "
            "(frames from 1, skip from 0)");
    AviSession s;
    if (!OpenAvi(args[0], s)) return 1;
    exports::AviExportSource source(s.movie);
    source.Attach(args[0]);
    CliExportWindow window;
    const int mode = as && *as == "jpg" ? exports::kExportJpeg : exports::kExportAvi;
    const int r =
        exports::ExportSegment(source, static_cast<int>(first - 1), static_cast<int>(last - 1),
                               static_cast<int>(skip + 1), *out, mode, window);
    return r == exports::kExportOk ? 0 : 1;
}

}  // namespace qv::cli

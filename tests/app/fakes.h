// A recording toolkit and a scripted camera movie reader for driving the player logic without a
// window or files.
#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/avi_reader.h"
#include "app/host_services.h"
#include "app/platform_seam.h"
#include "app/playlist.h"
#include "app/stream_media.h"

namespace qv::app::testing {

class FakePlatform : public Platform, public HostServices {
  public:
    void SetTimer(bool enabled, int interval_ms) override {
        timer_enabled = enabled;
        timer_ms = interval_ms;
    }
    void Beep() override { ++beeps; }
    void ShowMessageWindow(int selector) override { messages.push_back(selector); }
    void ShowErrorBox(const std::string& text, const std::string& caption) override {
        error_boxes.push_back(caption + ": " + text);
    }
    void ShowInformationBox(const std::string& text, const std::string& caption) override {
        information_boxes.push_back(caption + ": " + text);
    }
    std::vector<std::string> RunOpenDialog(const OpenDialogRequest& request) override {
        last_dialog = request;
        return dialog_result;
    }
    // Runs what the test queued as "clicks during a long command".
    void ProcessPendingEvents() override {
        ++pending_runs;
        if (during_events) during_events();
    }
    void FocusControl(ControlName name) override { focused = std::string(name.View()); }
    std::string RunSaveDialog(const SaveDialogRequest& request) override {
        save_requests.push_back(request);
        return save_result;
    }
    // The export dialog is up while this runs; the test clicks its buttons here.
    void RunExportDialog() override {
        if (in_export_dialog) in_export_dialog();
    }
    void Wait(int ms) override { waited_ms += ms; }
    void ShowAbout() override { ++about_shown; }
    void Quit() override { ++quits; }
    void WakeForAudioNotices() override { ++wakes; }
    uint32_t TickMs() override { return tick += tick_step; }
    int64_t FileCreationTime(const std::string& path) override {
        auto it = created.find(path);
        return it == created.end() ? kUnknownCreationTime : it->second;
    }

    bool timer_enabled = false;
    int timer_ms = 0;
    int pending_runs = 0;
    std::function<void()> during_events;
    std::string focused;
    std::vector<SaveDialogRequest> save_requests;
    std::string save_result;  // the save dialog's answer; empty: cancelled
    std::function<void()> in_export_dialog;
    int beeps = 0;
    std::vector<int> messages;
    std::vector<std::string> error_boxes;
    std::vector<std::string> information_boxes;
    int wakes = 0;
    std::vector<std::string> dialog_result;
    OpenDialogRequest last_dialog;
    int waited_ms = 0;
    int about_shown = 0;
    int quits = 0;
    uint32_t tick = 0;
    uint32_t tick_step = 0;  // milliseconds each tick query advances
    std::map<std::string, int64_t> created;
};

// A movie the fake reader can open.
struct FakeMovie {
    int frames = 10;
    int scale = 1;
    int rate = 10;
    int width = 64;
    int height = 48;
    int open_result = 0;
    int declared_frames = -1;     // frames the index lists; -1: all of them are in the file
    std::vector<int32_t> events;  // event frames; non-empty makes an event recording
    bool has_clock = false;
    int interval_ms = 0;
    std::vector<int> intervals;    // per frame, overriding interval_ms
    int64_t capture_start = 0;     // capture time of frame 0; each frame one second later
    std::vector<int> bad_frames;   // frames whose decode fails
    std::map<int, uint8_t> scene;  // brightness of every block from a frame on (else 100)
    std::set<int> pir_onsets;      // frames at which the PIR trigger comes on
    std::vector<int> lumas;        // the camera's luma of each frame, while given
};

class FakeAviReader : public AviReader {
  public:
    std::map<std::string, FakeMovie> movies;
    std::vector<std::string> opened;  // paths in the order opened
    std::vector<int> decoded;         // frames decoded, in order
    CameraMetadata metadata;
    DisplayFlags flags;

    int Open(const std::string& path) override {
        Close();
        opened.push_back(path);
        auto it = movies.find(path);
        if (it == movies.end()) {
            frames_ = -1;
            return -1;
        }
        movie_ = it->second;
        frames_ = movie_.open_result == 0 ? movie_.frames : (movie_.frames == 0 ? 0 : -1);
        current_ = 0;
        open_ = movie_.open_result == 0;
        return movie_.open_result;
    }
    void Close() override { open_ = false; }
    int FrameCount() const override { return frames_; }
    int DeclaredFrameCount() const override {
        return movie_.declared_frames >= 0 ? movie_.declared_frames : frames_;
    }
    int CurrentFrame() const override { return current_; }
    int Scale() const override { return movie_.scale; }
    int Rate() const override { return movie_.rate; }
    int Width() const override { return movie_.width; }
    int Height() const override { return movie_.height; }
    int StepFrame(int delta) override {
        const int next = std::clamp(current_ + delta, 0, frames_ - 1);
        if (next == current_) return -1;
        current_ = next;
        return 0;
    }
    void SetFrame(int frame) override { current_ = frame; }
    void SeekEnd() override { current_ = frames_; }
    int ReadFrame(int frame, uint32_t* offset) override {
        if (!open_ || frame < 0 || frame >= frames_) return -3;
        read_ = frame;
        if (offset) *offset = 0x1000u + static_cast<uint32_t>(frame) * 0x100u;
        return 0;
    }
    // Paints every byte of the picture with the frame number, so tests can tell frames apart.
    int DecodeCurrent(Picture& picture) override {
        if (std::count(movie_.bad_frames.begin(), movie_.bad_frames.end(), read_)) return -1;
        std::fill(picture.pixels.begin(), picture.pixels.end(), static_cast<uint8_t>(read_));
        if (static_cast<size_t>(read_) < movie_.lumas.size())
            metadata.nLuma = movie_.lumas[static_cast<size_t>(read_)];
        decoded.push_back(read_);
        return 0;
    }
    int LastIntervalMs() const override {
        if (read_ >= 0 && static_cast<size_t>(read_) < movie_.intervals.size())
            return movie_.intervals[static_cast<size_t>(read_)];
        return movie_.interval_ms;
    }
    int64_t LastCaptureTime() const override { return movie_.capture_start + read_ * 100; }
    const uint8_t* FrameData() const override { return nullptr; }
    size_t FrameSize() const override { return 0; }
    bool HasCaptureClock() const override { return movie_.has_clock; }
    bool EventRecording() const override { return !movie_.events.empty(); }
    const std::vector<int32_t>& EventList() const override { return movie_.events; }
    void DateTime(int64_t elapsed, std::string& date, std::string& time) override {
        date = "2012/03/01";
        char buf[16];
        std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%2.2d", static_cast<int>(elapsed / 3600 % 24),
                      static_cast<int>(elapsed / 60 % 60), static_cast<int>(elapsed % 60));
        time = buf;
    }
    const CameraMetadata& Metadata() const override { return metadata; }
    const DisplayFlags& Flags() const override { return flags; }
    void SetDiagnostics(const DecoderSwitches& s, DiagnosticsLog*) override { switches = s; }
    diag::LumaPlane Luma() const override { return luma; }
    DecoderSwitches switches;
    diag::LumaPlane luma;
    // Every block of a frame has the brightness the scene gives from that frame on.
    void LoadBlocks(int frame, const search::BlockPlanes& p) override {
        if (!open_ || frame < 0 || frame >= frames_) return;
        loaded.push_back(frame);
        auto it = movie_.scene.upper_bound(frame);
        const uint8_t v = it == movie_.scene.begin() ? 100 : std::prev(it)->second;
        std::fill(p.luma, p.luma + static_cast<size_t>(p.blocks_across) * p.block_rows, v);
    }
    int ScanForEvent(int first, int end) override {
        if (first == end) return -1;
        for (int f = first; f != end; f += first < end ? 1 : -1)
            if (std::count(movie_.events.begin(), movie_.events.end(), f)) return f;
        return -1;
    }
    bool ParseForPirOnset(int frame) override { return movie_.pir_onsets.count(frame) > 0; }
    bool GreyMode() const override { return false; }
    // Exports are checked on real recordings; the fake has no file.
    const std::string& SourcePath() const override { return path_; }
    uint32_t HeaderLength() const override { return 0; }
    bool ReadHead(uint8_t*, size_t) override { return false; }
    uint32_t IndexedFrameSize(int) const override { return 0; }
    bool ReadFrameBytes(int, const uint8_t*&, uint32_t&) override { return false; }
    std::vector<int> loaded;  // frames the search decoded, in order

  private:
    std::string path_;
    FakeMovie movie_;
    int frames_ = -1;
    int current_ = 0;
    int read_ = -1;
    bool open_ = false;
};

// A scripted .m4v/.tkm stream: picture i covers the KiB from i * kb_per_picture to the next
// picture, every gop-th picture is intra, and each picture is painted with the value i + 1 (the
// rows below the stream's picture are left alone), carries audio_bytes of sound and the time value
// 100 * (i + 1).
struct FakeStream {
    int pictures = 40;
    int kb_per_picture = 4;
    int gop = 10;
    int width = 32;
    int height = 24;
    int audio_bytes = 540;
    int fail_at = -1;  // this picture fails to decode
};

class FakeStreamMedia : public StreamMedia {
  public:
    std::map<std::string, FakeStream> streams;
    std::vector<int> decoded;  // pictures decoded, in order
    int deblock_method = -1;
    int filter_resets = 0;

    int32_t OpenStreamFile(const std::string& path) override {
        auto it = streams.find(path);
        open_ = it != streams.end();
        if (!open_) return 0;
        s_ = it->second;
        cursor_ = 0;
        return std::max(s_.pictures * s_.kb_per_picture, 1);
    }
    bool CloseStreamFile() override {
        open_ = false;
        return true;
    }
    int32_t Width() const override { return s_.width; }
    int32_t Height() const override { return s_.height; }
    bool RewindToFirstVop() override {
        cursor_ = 0;
        return open_;
    }
    int32_t DecodeNextFrame(Picture* picture, int32_t* audio_bytes, bool, audio::AudioSink* feed,
                            uint32_t* time_value, int32_t* quantiser) override {
        if (time_value) *time_value = 0;
        if (!open_ || cursor_ >= s_.pictures || cursor_ == s_.fail_at) return -1;
        const int i = cursor_++;
        decoded.push_back(i);
        if (audio_bytes) *audio_bytes = s_.audio_bytes;
        if (feed) {
            std::vector<uint8_t> sound(static_cast<size_t>(s_.audio_bytes),
                                       static_cast<uint8_t>(i));
            feed->FeedAudioBytes(sound.data(), static_cast<int32_t>(sound.size()));
        }
        if (time_value) *time_value = static_cast<uint32_t>(100 * (i + 1));
        if (quantiser) *quantiser = 3;
        if (picture) {
            if (picture->width != s_.width || picture->height < s_.height)
                picture->Allocate(s_.width, s_.height);
            std::fill(
                picture->pixels.begin(),
                picture->pixels.begin() + static_cast<ptrdiff_t>(picture->Stride()) * s_.height,
                static_cast<uint8_t>(i + 1));
        }
        return (i + 1) * s_.kb_per_picture;
    }
    int32_t SeekToIntraVop(int32_t unit_index, int32_t unit_kb, int32_t direction) override {
        if (!open_) return -1;
        const int64_t kb = static_cast<int64_t>(unit_index) * unit_kb;
        int found = -1;
        for (int i = 0; i < s_.pictures; ++i) {
            const int64_t start = static_cast<int64_t>(i) * s_.kb_per_picture;
            if (i % s_.gop != 0) continue;
            if (direction >= 0 && start >= kb) {
                found = i;
                break;
            }
            if (direction < 0 && start < kb) found = i;
        }
        if (found < 0) return 0;
        cursor_ = found;
        return found * s_.kb_per_picture / unit_kb;
    }
    void SetDeblockMethod(int method) override { deblock_method = method; }
    void SetForceGrey(bool on) override { force_grey = on; }
    bool force_grey = false;
    int32_t DefaultFilterCount() const override { return 7; }
    int32_t DcFilterCount() const override { return 2; }
    void ResetFilterCounts() override { ++filter_resets; }

  private:
    FakeStream s_;
    bool open_ = false;
    int cursor_ = 0;
};

}  // namespace qv::app::testing

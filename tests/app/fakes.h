// A recording toolkit and a scripted camera movie reader for driving the player logic without a
// window or files.
#pragma once

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/avi_reader.h"
#include "app/platform_seam.h"
#include "app/playlist.h"

namespace qv::app::testing {

class FakePlatform : public Platform {
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
    std::vector<std::string> RunOpenDialog(const OpenDialogRequest& request) override {
        last_dialog = request;
        return dialog_result;
    }
    void ProcessPendingEvents() override {}
    void Wait(int ms) override { waited_ms += ms; }
    void BringToFront() override {}
    void ShowAbout() override { ++about_shown; }
    void Quit() override { ++quits; }
    uint32_t TickMs() override { return tick += tick_step; }
    int64_t FileCreationTime(const std::string& path) override {
        auto it = created.find(path);
        return it == created.end() ? kUnknownCreationTime : it->second;
    }

    bool timer_enabled = false;
    int timer_ms = 0;
    int beeps = 0;
    std::vector<int> messages;
    std::vector<std::string> error_boxes;
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
    std::vector<int32_t> events;  // event frames; non-empty makes an event recording
    bool has_clock = false;
    int interval_ms = 0;
    std::vector<int> intervals;   // per frame, overriding interval_ms
    int64_t capture_start = 0;    // capture time of frame 0; each frame one second later
    std::vector<int> bad_frames;  // frames whose decode fails
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

  private:
    FakeMovie movie_;
    int frames_ = -1;
    int current_ = 0;
    int read_ = -1;
    bool open_ = false;
};

}  // namespace qv::app::testing

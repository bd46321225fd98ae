// Camera recordings whose frames change where a test decides, and a playlist of them that the
// search commands walk through as the window would, recording what they show.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fixtures/camera_recording.h"
#include "search/avi_search_movie.h"
#include "search/search_host.h"

namespace qv::search::testing {

namespace fs = std::filesystem;

// What a recording's frames show: a grey picture whose 16x16 patch at (16, 16) steps in brightness
// by the given amount at the given frames (and stays there).
struct Scene {
    int frames = 12;
    std::map<int, int> steps;     // frame -> brightness step of the patch
    std::map<int, int> lighting;  // frame -> brightness step of the whole picture
    std::set<int> events;         // event frames (an event recording when not empty)
    std::set<int> pir;            // WDX310 frames with the PIR trigger on
};

inline std::string WriteScene(const std::string& name, const Scene& scene) {
    const fs::path dir = fs::temp_directory_path() / ("qv_search_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fixtures::RecordingOptions o;
    o.frame_count = scene.frames;
    o.avi.width = 64;
    o.avi.height = 48;
    o.encode.quality = 100;  // DC terms quantised by 1: a step of one level shows
    o.event_recording = !scene.events.empty();
    o.event_frames = scene.events;
    o.pir_frames = scene.pir;
    if (!scene.pir.empty()) {
        o.avi.junk = {{"WDX310", 0}};
        o.settings.model = 3;
    }
    o.picture = [scene](int frame, int w, int h) {
        int patch = 100, all = 0;
        for (auto [f, d] : scene.steps)
            if (f <= frame) patch += d;
        for (auto [f, d] : scene.lighting)
            if (f <= frame) all += d;
        fixtures::RgbImage img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool in = x >= 16 && x < 32 && y >= 16 && y < 32;
                const uint8_t v = static_cast<uint8_t>((in ? patch : 100) + all);
                img.Set(x, y, v, v, v);
            }
        return img;
    };
    const std::string path = (dir / name).string();
    fixtures::WriteBytes(path, fixtures::MakeRecording(o).avi.bytes);
    return path;
}

// A playlist of recordings with one open at a time; the window's part is a log of calls.
class PlaylistHost : public SearchHost {
  public:
    explicit PlaylistHost(std::vector<std::string> paths) : files(std::move(paths)) {}

    bool Open(int i) {
        index = i;
        search.Detach();
        if (movie.AviOpen(files[static_cast<size_t>(i)]) != 0) return false;
        search.Attach(files[static_cast<size_t>(i)]);
        return true;
    }

    SearchMovie& Movie() override { return search; }
    int CurrentFrame() const override { return movie.CurrentFrame(); }
    int FrameCount() const override { return movie.FrameCount(); }
    void SeekEnd() override { movie.AviSeekEnd(); }
    void ShowFrame(int frame) override {
        movie.AviSetFrame(frame);
        shown = frame;
    }
    EntryOpen OpenEntry(int delta) override {
        const int i = index + delta;
        if (i < 0 || i >= static_cast<int>(files.size())) return EntryOpen::NoEntry;
        return Open(i) ? EntryOpen::Opened : EntryOpen::Failed;
    }
    std::string ThresholdText() const override { return threshold; }
    void RefuseThreshold() override { log.push_back("refuse"); }
    void PausePlay() override { log.push_back("pause"); }
    void DisableTransport() override { log.push_back("disable"); }
    bool ShowsThumbnail() const override { return true; }
    void SetProgress(int frame) override {
        loaded.push_back(frame);
        if (on_frame) on_frame(frame);
    }

    std::vector<std::string> files;
    int index = 0;
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    AviMovie movie{metadata, flags, switches};
    AviSearchMovie search{movie};
    std::string threshold = "20";
    int shown = -1;
    std::vector<std::string> log;
    std::vector<int> loaded;            // frames loaded by passes and scans, in order
    std::function<void(int)> on_frame;  // runs as the frame's pending events
};

}  // namespace qv::search::testing

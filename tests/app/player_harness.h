// The player logic over fakes: a recording toolkit, a scripted camera AVI reader and stream, and a
// sound device that finishes buffers only when told. Test fixtures derive from it.
#pragma once

#include <string>
#include <vector>

#include "app/main_window.h"
#include "audio/audio_fakes.h"
#include "fakes.h"

namespace qv::app::testing {

class PlayerHarness {
  protected:
    // A camera AVI the fake reader opens, made at the given time.
    void AddMovie(const std::string& path, int64_t created, FakeMovie m = {}) {
        reader.movies[path] = m;
        platform.created[path] = created;
    }
    // Start-up with the files on the command line, at the designed client size.
    void Start(const std::vector<std::string>& args) {
        logic.FormCreate(args);
        logic.FormResize(1096, 702);
        logic.FormShow(1920, 1080);
    }
    bool Enabled(const char* name) const { return logic.ui().At(name).enabled; }

    FakePlatform platform;
    FakeAviReader reader;
    FakeStreamMedia stream;
    audio::testing::FakeDevices sound;
    MainWindowLogic logic{platform, platform, {reader, stream, sound}, ""};
};

}  // namespace qv::app::testing

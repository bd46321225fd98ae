#include "recording.h"

#include <unistd.h>

#include "fixtures/camera_recording.h"
#include "fixtures/synthetic_picture.h"

namespace qv::bench {

std::string WriteLargeRecording(int frames) {
    fixtures::RecordingOptions o;
    o.avi.width = 1280;
    o.avi.height = 1024;
    o.avi.scale = 1;
    o.avi.rate = 30;
    o.frame_count = frames;
    o.interval_hundredths = 3;
    const std::string path = "/tmp/qv_display_" + std::to_string(getpid()) + ".avi";
    return fixtures::WriteBytes(path, fixtures::MakeRecording(o).avi.bytes) ? path : std::string();
}

}  // namespace qv::bench

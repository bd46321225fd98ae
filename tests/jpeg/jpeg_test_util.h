// Shared set-up of the JPEG tests: a decoder context with its shared state, and frames encoded by
// libjpeg-turbo through the fixture builder.
#pragma once

#include <string>
#include <vector>

#include "fixtures/camera_recording.h"
#include "fixtures/jpeg_segments.h"
#include "fixtures/synthetic_picture.h"
#include "media/jpeg/jpeg_context.h"

namespace qv::test {

class ListLog : public DiagnosticsLog {
  public:
    void Append(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

struct Decoder {
    CameraMetadata metadata;
    DisplayFlags flags;
    DecoderSwitches switches;
    ListLog log;
    JpgContext ctx{metadata, flags, switches, &log};
    explicit Decoder(int width = 0, int height = 0) {
        if (width > 0) ctx.AllocatePlanes(width, height);
    }
};

inline fixtures::Bytes SceneFrame(int width, int height, int frame = 0,
                                  const fixtures::FrameSegments& segments = {}, int quality = 85) {
    fixtures::SceneOptions o;
    o.frame = frame;
    fixtures::EncodeOptions e;
    e.quality = quality;
    return fixtures::CameraFrame(fixtures::TimeLapseScene(width, height, o), segments, e);
}

}  // namespace qv::test

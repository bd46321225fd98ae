// Turns an elementary stream from ffmpeg's MPEG-4 Part 2 encoder into a camera recording: the
// headers once at the start, the two header fields the camera never writes rewritten, and for
// .tkm a sound packet and a time packet in front of every picture.
#pragma once

#include <cstdint>
#include <vector>

namespace qv::fixtures {

// One start-code-delimited unit: its code byte and all its bytes from the start code on.
struct Unit {
    uint8_t code;
    std::vector<uint8_t> bytes;
};
std::vector<Unit> SplitUnits(const std::vector<uint8_t>& stream);

// Visual object header with is_visual_object_identifier 1 (and its 7 bits of verid and
// priority) rewritten to 0; throws if the header is not as ffmpeg writes it.
std::vector<uint8_t> RewriteVisualObject(const std::vector<uint8_t>& unit);
// VOL header with quant_type 1 and two empty matrix flags rewritten to quant_type 0.
std::vector<uint8_t> RewriteVol(const std::vector<uint8_t>& unit);

// User-data packets as the camera writes them.
std::vector<uint8_t> TimePacket(uint32_t value, uint8_t shift);
std::vector<uint8_t> SoundPacket(const std::vector<uint8_t>& samples, uint8_t type,
                                 const std::vector<uint8_t>& header, bool header_length_in_x);

struct CameraStreamOptions {
    bool tkm = false;            // interleave sound and time packets (and drop GOV headers)
    std::vector<uint8_t> sound;  // IMA ADPCM bytes, spread over the pictures
    uint32_t time_base = 1000;   // time packet values: time_base + picture * time_step
    uint32_t time_step = 100;
};
struct CameraStream {
    std::vector<uint8_t> bytes;
    int pictures = 0;
    int intra_pictures = 0;
    uint64_t sound_bytes = 0;
    std::vector<uint32_t> time_values;  // V of each picture's time packet
};
CameraStream MakeCameraStream(const std::vector<uint8_t>& encoded, const CameraStreamOptions& o);

}  // namespace qv::fixtures

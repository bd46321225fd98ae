// The camera's settings file REGISTRY.LDR in DCIM/100tarkn on its flash drive: records of a
// 0xC3B6 mark, a payload length, a kind and the payload (little-endian), which the camera reads
// when it starts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace qv::camera {

// Banding filter codes.
constexpr int kFlickerNone = 0, kFlicker60Hz = 833, kFlicker50Hz = 1000;
// Camera mode flags.
constexpr int kModeLooping = 1, kModeExposureLock = 2;
// An interval of 24 hours, stored as 0xFFFF.
constexpr int kOneDay = 86400;

struct CameraRegistry {
    std::array<int, 3> intervals{1, 2, 5};  // seconds, for the switch positions 1 to 3
    int flicker = kFlickerNone;
    int cam_mode = 0;
    bool with_resolution = false;  // the 0x2A record, written only when the choice is offered
    std::array<int, 4> resolution{0, 0, 0, 0};
};

// The file's bytes: record 0x28 (intervals, filter, flags), 0x29 (clock), and 0x2A when asked.
std::vector<uint8_t> RegistryBytes(const CameraRegistry& r, platform::DosDateTime clock);

// The camera clock to write: the local time now (or at) plus offset seconds.
platform::DosDateTime CameraClock(std::time_t at, int offset_seconds);

// The file's path below the root folder of the camera's flash drive.
std::string RegistryPath(const std::string& drive_root);

// The message when the folders cannot be made (two blanks after the first full stop).
inline constexpr const char* kNoDirText =
    "Could not create directory for Camera Settings.  Please make sure you have selected the USB "
    "flash drive and connected it to the PC";

enum class WriteResult {
    Written,
    NoFolder,     // the folders could not be made: the flash drive is missing or read-only
    WriteFailed,  // the file could not be written (error says why); no truncated file is left
};

// Writes the bytes to REGISTRY.LDR below drive_root, making DCIM and DCIM/100tarkn when the file
// cannot be created.
WriteResult WriteRegistryFile(const std::string& drive_root, const std::vector<uint8_t>& bytes,
                              std::string& error);

}  // namespace qv::camera

#include "camera/registry_file.h"

#include <filesystem>

#include "platform/output_file.h"

namespace qv::camera {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void RecordHead(std::vector<uint8_t>& out, int payload_length, uint8_t kind) {
    Put16(out, 0xC3B6);
    Put16(out, static_cast<uint32_t>(payload_length));
    out.push_back(kind);
}

}  // namespace

std::vector<uint8_t> RegistryBytes(const CameraRegistry& r, platform::DosDateTime clock) {
    std::vector<uint8_t> out;
    RecordHead(out, 16, 0x28);
    Put16(out, static_cast<uint32_t>(r.intervals[0]));
    Put16(out, static_cast<uint32_t>(r.intervals[1]));
    Put16(out, r.intervals[2] == kOneDay ? 0xFFFFu : static_cast<uint32_t>(r.intervals[2]));
    Put16(out, 180);
    Put16(out, static_cast<uint32_t>(r.flicker));
    Put16(out, 60);
    Put16(out, 2);
    Put16(out, static_cast<uint32_t>(r.cam_mode));
    RecordHead(out, 4, 0x29);
    Put16(out, clock.time);
    Put16(out, clock.date);
    if (r.with_resolution) {
        RecordHead(out, 4, 0x2A);
        for (int v : r.resolution)
            out.push_back(static_cast<uint8_t>(v));
    }
    return out;
}

platform::DosDateTime CameraClock(std::time_t at, int offset_seconds) {
    return platform::ToDosDateTime(platform::ToLocalTime(at + offset_seconds));
}

std::string RegistryPath(const std::string& drive_root) {
    std::string root = drive_root;
    if (!root.empty() && root.back() != '/') root += '/';
    return root + "DCIM/100tarkn/REGISTRY.LDR";
}

WriteResult WriteRegistryFile(const std::string& drive_root, const std::vector<uint8_t>& bytes,
                              std::string& error) {
    namespace fs = std::filesystem;
    const std::string path = RegistryPath(drive_root);
    platform::OutputFile out;
    if (!out.Open(path, {})) {
        // The folders are made only when the file cannot be created where it belongs.
        std::error_code ec;
        const fs::path folder = fs::path(path).parent_path();
        fs::create_directory(folder.parent_path(), ec);
        if (!fs::create_directory(folder, ec) && !fs::is_directory(folder, ec))
            return WriteResult::NoFolder;
        if (!out.Open(path, {})) {
            error = out.Error();
            return WriteResult::NoFolder;
        }
    }
    if (!out.Write(bytes.data(), bytes.size()) || !out.Commit()) {
        error = out.Error();
        return WriteResult::WriteFailed;
    }
    return WriteResult::Written;
}

}  // namespace qv::camera

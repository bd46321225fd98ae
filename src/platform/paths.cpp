#include "platform/paths.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qv::platform {

std::string ExecutablePath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

bool CreateFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

bool IsFolderWritable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace qv::platform

namespace qv::platform {

namespace {

// /proc/mounts writes blanks and other special characters of a path as three octal digits.
std::string UnescapeMountPath(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size()) {
            const std::string digits = text.substr(i + 1, 3);
            if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

std::vector<std::string> RemovableVolumes() {
    std::vector<std::string> volumes;
    std::ifstream mounts("/proc/mounts");
    std::string device, folder, type, rest;
    while (mounts >> device >> folder >> type && std::getline(mounts, rest)) {
        folder = UnescapeMountPath(folder);
        const bool fat = type == "vfat" || type == "exfat" || type == "msdos";
        const bool removable_place = folder.rfind("/media/", 0) == 0 ||
                                     folder.rfind("/run/media/", 0) == 0 ||
                                     folder.rfind("/mnt/", 0) == 0;
        if (fat && removable_place) volumes.push_back(folder);
    }
    return volumes;
}

}  // namespace qv::platform

// Where the program lives and folder creation.
#pragma once

#include <string>
#include <vector>

namespace qv::platform {

// Full path of the running executable, or an empty text when it cannot be found.
std::string ExecutablePath();
// Creates a folder and any missing parents. True when it exists afterwards.
bool CreateFolders(const std::string& path);
// True when a new file can be created in the folder.
bool IsFolderWritable(const std::string& folder);
// The folders where removable flash drives are mounted (FAT or exFAT file systems below /media,
// /run/media or /mnt), as the desktop mounts a camera's drive.
std::vector<std::string> RemovableVolumes();

}  // namespace qv::platform

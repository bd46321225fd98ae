// The kind of a recording, decided from its file name's extension in one place for the player,
// its playlist and the command-line tool.
#pragma once

#include <string_view>

namespace qv {

// The numbers are those the player keeps in its movie record and settings.
enum class RecordingKind : int {
    None = 0,  // not a recording the player knows
    Avi = 1,   // camera AVI: one JPEG per frame
    M4v = 2,   // bare MPEG-4 visual stream
    Tkm = 3,   // MPEG-4 stream with sound and time packets
};

// The extension of a path's file name with its dot (".avi"); empty when the name has none.
std::string_view ExtensionOf(std::string_view path);
// The kind an extension (".avi", ".M4V", ...) stands for, in any letter case.
RecordingKind RecordingKindOfExtension(std::string_view extension);
// The kind of the file a path names.
RecordingKind RecordingKindOf(std::string_view path);
// True for the extensions of the three kinds, in any letter case.
inline bool IsAcceptedExtension(std::string_view extension) {
    return RecordingKindOfExtension(extension) != RecordingKind::None;
}

}  // namespace qv

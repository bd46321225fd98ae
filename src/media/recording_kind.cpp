#include "media/recording_kind.h"

namespace qv {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string_view ExtensionOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

RecordingKind RecordingKindOfExtension(std::string_view extension) {
    if (EqualsIgnoringAsciiCase(extension, ".avi")) return RecordingKind::Avi;
    if (EqualsIgnoringAsciiCase(extension, ".m4v")) return RecordingKind::M4v;
    if (EqualsIgnoringAsciiCase(extension, ".tkm")) return RecordingKind::Tkm;
    return RecordingKind::None;
}

RecordingKind RecordingKindOf(std::string_view path) {
    return RecordingKindOfExtension(ExtensionOf(path));
}

}  // namespace qv

#include <filesystem>

#include "cli/avi_session.h"
#include "media/recording_kind.h"

namespace qv::cli {
namespace {

// The first argument that is not an option names the recording.
const std::string* FirstPath(const Args& args) {
    for (const auto& a : args)
        if (a.empty() || a[0] != '-') return &a;
    return nullptr;
}

// Runs the command's handler for the recording's kind. accepts says, for a kind the command does
// not take, which recordings it reads.
int ByKind(const Args& args, int (*avi)(const Args&), int (*stream)(const Args&),
           const char* accepts = nullptr) {
    const std::string* path = FirstPath(args);
    if (!path) return Fail("no recording named");
    const RecordingKind kind = RecordingKindOf(*path);
    std::error_code ec;
    if (kind == RecordingKind::None || !std::filesystem::is_regular_file(*path, ec)) {
        if (!std::filesystem::exists(*path, ec) || std::filesystem::is_directory(*path, ec))
            return Fail("cannot open " + *path + ": " +
                        (std::filesystem::is_directory(*path, ec) ? std::string("it is a folder")
                                                                  : OpenReason(*path)));
    }
    switch (kind) {
        case RecordingKind::Avi:
            if (avi) return avi(args);
            break;
        case RecordingKind::M4v:
        case RecordingKind::Tkm:
            if (stream) return stream(args);
            break;
        case RecordingKind::None:
            break;
    }
    if (kind != RecordingKind::None && accepts)
        return Fail(std::string("this command reads ") + accepts + "; " + *path + " is not one");
    return Fail("unknown kind of recording: " + *path + " (recordings are .avi, .m4v or .tkm)");
}

int RunInfo(const Args& args) {
    return ByKind(args, InfoAvi, InfoStream);
}
int RunFrames(const Args& args) {
    return ByKind(args, FramesAvi, nullptr, "camera AVI recordings (.avi)");
}
int RunDecode(const Args& args) {
    return ByKind(args, DecodeAvi, DecodeStream);
}
int RunAudio(const Args& args) {
    return ByKind(args, nullptr, AudioTkm, ".tkm recordings, the only ones with sound");
}
int RunExport(const Args& args) {
    return ByKind(args, ExportCommand, nullptr, "camera AVI recordings (.avi)");
}

}  // namespace

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"info",
         "  info FILE [--json]\n"
         "      What a recording holds: kind, size, picture counts, camera settings.",
         RunInfo},
        {"frames",
         "  frames FILE.avi [--json] [--first N] [--last M]\n"
         "      One row per frame of a camera AVI: offset, size, capture time, date, settings.",
         RunFrames},
        {"decode",
         "  decode FILE --frame N -o OUT.bmp [--grey] [--deblock 0|1|2]\n"
         "      Decodes frame N (one-based) and writes it as a 24-bit bitmap.",
         RunDecode},
        {"audio",
         "  audio FILE.tkm -o OUT.wav [--adpcm]\n"
         "      Writes the recording's sound as 16-bit PCM (or the raw IMA ADPCM) WAV.",
         RunAudio},
        {"search",
         "  search FILE... --threshold T [--backward] [--from N] [--ignore-brightness] [--json]\n"
         "      Motion search over the recordings as a playlist (ordered by creation time),\n"
         "      from frame 1 of the first (or the last frame of the last, --backward) or frame N:\n"
         "      the first frame whose 8x8 block brightness differs from its neighbour's by more\n"
         "      than T, or where the search ended.\n"
         "  search FILE... --threshold T --all [--ignore-brightness] [--json] [--jobs N]\n"
         "      Every frame where motion is found, each file on its own core.",
         SearchCommand},
        {"events",
         "  events FILE... [--pir] [--json]\n"
         "      The camera's event frames, or with --pir where the PIR trigger came on.",
         EventsCommand},
        {"export",
         "  export FILE.avi --first A --last B [--skip S] [--as avi|jpg] -o PATH\n"
         "      Frames A to B (from 1, B included), skipping S between two, as a new camera AVI\n"
         "      or as JPEG files named after PATH (park_.jpg gives park_00001.jpg, ...).",
         RunExport},
        {"camera-settings",
         "  camera-settings --root DIR [--int1 S] [--int2 S] [--int3 S] [--flicker none|50|60]\n"
         "      [--loop] [--exposure-lock] [--time-offset 0|60|300] [--at \"YYYY-MM-DD "
         "HH:MM:SS\"]\n"
         "      Writes the camera's settings file DCIM/100tarkn/REGISTRY.LDR below the root of\n"
         "      its flash drive: intervals in seconds (86400 = 24 hours), the clock from now.",
         CameraSettingsCommand},
        {"check",
         "  check FILE... [--json] [--eoi] [--deblock 0|1|2] [--jobs N]\n"
         "      Decodes every frame of each recording, lists the frames that fail and the\n"
         "      frames per second; exit code 1 when any frame is bad.",
         CheckRecordings},
    };
    return commands;
}

}  // namespace qv::cli

#include "cli/commands.h"
#include "media/recording_kind.h"

namespace qv::cli {
namespace {

// The first argument that is not an option names the recording.
const std::string* FirstPath(const Args& args) {
    for (const auto& a : args)
        if (a.empty() || a[0] != '-') return &a;
    return nullptr;
}

int ByKind(const Args& args, int (*avi)(const Args&), int (*stream)(const Args&)) {
    const std::string* path = FirstPath(args);
    if (!path) return Fail("no recording named");
    switch (RecordingKindOf(*path)) {
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
    return Fail("unknown kind of recording: " + *path);
}

int RunInfo(const Args& args) {
    return ByKind(args, InfoAvi, InfoStream);
}
int RunFrames(const Args& args) {
    return ByKind(args, FramesAvi, nullptr);
}
int RunDecode(const Args& args) {
    return ByKind(args, DecodeAvi, DecodeStream);
}
int RunAudio(const Args& args) {
    return ByKind(args, nullptr, AudioTkm);
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
        {"check",
         "  check FILE... [--json] [--eoi] [--deblock 0|1|2] [--jobs N]\n"
         "      Decodes every frame of each recording, lists the frames that fail and the\n"
         "      frames per second; exit code 1 when any frame is bad.",
         CheckRecordings},
    };
    return commands;
}

}  // namespace qv::cli

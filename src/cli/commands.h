// The commands of qvplay-cli. Each command lives in a file of its own and returns the process exit
// code; errors go to stderr as one line.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;  // shown by --help, one or more lines
    int (*run)(const Args& args);
};

// All commands, in the order --help lists them.
const std::vector<Command>& AllCommands();

// Prints "qvplay-cli: <text>" to stderr and returns the exit code for a failed command.
int Fail(const std::string& text);

// The commands that depend on the kind of recording, one file per kind.
int InfoAvi(const Args& args);
int InfoStream(const Args& args);
int DecodeAvi(const Args& args);
int DecodeStream(const Args& args);
int FramesAvi(const Args& args);
int AudioTkm(const Args& args);
// Commands over several camera AVI recordings taken as a playlist.
int SearchCommand(const Args& args);
int EventsCommand(const Args& args);
int ExportCommand(const Args& args);
int CameraSettingsCommand(const Args& args);
int CheckRecordings(const Args& args);

}  // namespace qv::cli

#include "cli/commands.h"

namespace qv::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {};
    return commands;
}

}  // namespace qv::cli

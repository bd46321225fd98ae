// qvplay-cli: reads camera recordings from the command line.
#include <cstdio>
#include <string>

#include "cli/commands.h"

namespace qv::cli {

int Fail(const std::string& text) {
    std::fprintf(stderr, "qvplay-cli: %s\n", text.c_str());
    return 1;
}

namespace {

void PrintHelp() {
    std::printf("usage: qvplay-cli COMMAND [ARGS]\n\nCommands:\n");
    for (const Command& c : AllCommands())
        std::printf("%s\n", c.usage);
    std::printf("\nFrame numbers on the command line and in text output are one-based.\n");
}

}  // namespace
}  // namespace qv::cli

int main(int argc, char** argv) {
    using namespace qv::cli;
    if (argc < 2) {
        PrintHelp();
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp();
        return 0;
    }
    Args args(argv + 2, argv + argc);
    for (const Command& c : AllCommands()) {
        if (name == c.name) return c.run(args);
    }
    return Fail("unknown command '" + name + "' (see qvplay-cli --help)");
}

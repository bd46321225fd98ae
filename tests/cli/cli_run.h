// Runs qvplay-cli in a shell and keeps its exit code, standard output and standard error.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qv::testing {

namespace fs = std::filesystem;

struct CliRun {
    int exit_code = -1;
    std::string out, err;
};

inline fs::path TempDir() {
    auto dir = fs::temp_directory_path() / ("qv_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

inline std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline CliRun Cli(const std::string& args) {
    fs::path out = TempDir() / "stdout.txt", err = TempDir() / "stderr.txt";
    std::string cmd =
        std::string(QVPLAY_CLI) + " " + args + " >" + out.string() + " 2>" + err.string();
    int status = std::system(cmd.c_str());
    CliRun r;
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

}  // namespace qv::testing

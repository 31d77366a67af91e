#pragma once

#include "support/ScratchDirectory.h"

#include <filesystem>
#include <string>
#include <vector>

struct RunOptions {
    // Empty: the current directory.
    std::filesystem::path workingDirectory;
    // When above 0, the program is sent SIGTERM after this many seconds (the usual way to end a
    // run of the game, which otherwise loops until the window closes).
    double terminateAfterSeconds = 0;
    // Safety net: SIGKILL after this many seconds.
    double killAfterSeconds = 120;
};

struct RunResult {
    std::string standardOutput;
    std::string standardError;
    // True when the program ended by exit; exitStatus is then its status.
    bool exited = false;
    int exitStatus = -1;
    // The signal that ended it, or 0.
    int signal = 0;
    bool terminatedByTimeout = false;
    bool killedByTimeout = false;
};

// Runs program with arguments (argv[0] is the program) and waits for it, capturing both output
// streams; its standard input is empty. The environment (DISPLAY among it) is inherited.
RunResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const RunOptions& options = RunOptions());

// A run of the game binary in a fresh working directory that sees the project's data/ as
// ./data (a symbolic link). Log files and screenshots the game writes stay in directory() until
// the object goes.
class GameRun {
public:
    GameRun();

    // The working directory option is replaced by the run's directory.
    RunResult run(const std::vector<std::string>& arguments,
                  RunOptions options = RunOptions()) const;
    const std::filesystem::path& directory() const { return scratch.path(); }
    std::string readFile(const std::string& relative) const;

private:
    ScratchDirectory scratch;
};

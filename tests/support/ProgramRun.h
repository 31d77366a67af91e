#pragma once

#include "support/ScratchDirectory.h"

#include <string>

// A run of the game binary, with empty input, in a fresh working directory that sees the
// project's data/ as ./data. Its output and log files stay there until the object goes.
class GameRun {
public:
    GameRun();
    // Waits for the game's exit status (128 + the signal when one ended it); SIGTERM after
    // terminateAfterSeconds when above 0, SIGKILL after two minutes as a safety net.
    int run(const std::string& arguments, double terminateAfterSeconds = 0) const;
    std::string readFile(const std::string& relative) const;

private:
    ScratchDirectory scratch;
};

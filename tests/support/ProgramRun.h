#pragma once

#include "support/ScratchDirectory.h"

#include <string>

// The game binary run with empty input in a fresh directory that sees the project's data/.
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

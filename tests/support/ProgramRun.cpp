#include "support/ProgramRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

GameRun::GameRun() : scratch("vantorix-run") {
    std::filesystem::create_directory_symlink(std::filesystem::path(VANTORIX_SOURCE_DIR) / "data",
                                              scratch.file("data"));
}

int GameRun::run(const std::string& arguments, double terminateAfterSeconds) const {
    std::string limit = terminateAfterSeconds > 0
                            ? "-k 100 " + std::to_string(terminateAfterSeconds)
                            : "-s KILL 120";
    int status =
        std::system(("cd '" + scratch.path().string() + "' && timeout --preserve-status " + limit +
                     " " VANTORIX_BINARY " " + arguments + " </dev/null >stdout.txt 2>stderr.txt")
                        .c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string GameRun::readFile(const std::string& relative) const {
    return readTextFile(scratch.file(relative));
}

#include "app/RunCommand.h"

#include <iostream>

// vantorix-run: replays and soaks of the story levels, beside the game, whose command line is
// fixed. Exit 0 done, 1 failed, 2 a wrong command line.
int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    RunCommand command;
    std::string problem;
    if (!command.parse(arguments, problem)) {
        std::cerr << problem << "\n" << RunCommand::usageText(argv[0]);
        return 2;
    }
    return command.execute(std::cout, std::cerr);
}

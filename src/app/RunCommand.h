#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// The command line of vantorix-run and the two runs it makes:
//
//   replay <level> <steps> [--inputs FILE] [--hash-at N,N,...] [--seed S] [--data DIR]
//     plays story level <level> (from 0) for <steps> steps through the game's own screen flow,
//     with the inputs of FILE or else those of the random pilot seeded with S, and prints
//     "step N hash H" (H in hexadecimal) after each step asked for (default: the last).
//   soak <level|all> <minutes> [--seed S] [--data DIR]
//     lets the random pilot play each chosen level for that many simulated minutes, starting the
//     level again whenever it ends or resets, checks the world after every step and prints the
//     memory in use at the start and at the end; exit 1 on the first failure.
//
// The seed (default 1) also seeds every random spawner whose data gives none.
class RunCommand {
public:
    // False with a reason when the arguments are not one of the forms above.
    bool parse(const std::vector<std::string>& arguments, std::string& problem);
    static std::string usageText(const std::string& program);

    // The run's exit status: 0 done, 1 failed (told on err).
    int execute(std::ostream& out, std::ostream& err) const;

private:
    enum class Mode { Replay, Soak };

    int replay(std::ostream& out, std::ostream& err) const;
    int soak(std::ostream& out, std::ostream& err) const;
    // Fails (on err) when the level does not exist.
    bool levelExists(unsigned level, unsigned count, std::ostream& err) const;

    Mode mode = Mode::Replay;
    bool allLevels = false;
    unsigned level = 0;
    unsigned steps = 0;
    std::string inputsFile;
    std::vector<unsigned> hashAt;
    std::uint32_t seed = 1;
    std::string dataDir = "data";
};

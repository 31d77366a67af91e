#include "app/RunCommand.h"

#include "app/InputTimeline.h"
#include "app/LevelRunner.h"
#include "app/MemoryUsage.h"
#include "app/RandomPilot.h"
#include "app/SoakMonitor.h"
#include "app/WorldHash.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// Far above what a level needs (tens of entities and processes, a few queued events), and low
// enough that a leak of one a step passes them within a simulated minute.
const SoakMonitor::Counts soakCeilings{1000, 1000, 1000};

// A whole decimal number of at most `largest`, nothing else.
bool readWhole(const std::string& text, unsigned long long largest, unsigned long long& value) {
    if (text.empty() || text.size() > 20 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoull(text);
    return value <= largest;
}

bool readSteps(const std::string& text, std::vector<unsigned>& steps) {
    std::istringstream list(text);
    std::string item;
    unsigned long long step = 0;
    while (std::getline(list, item, ',')) {
        if (!readWhole(item, 0xffffffffULL, step) || step == 0)
            return false;
        steps.push_back(static_cast<unsigned>(step));
    }
    return !steps.empty();
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// Starts the game for a run; says why not on err.
bool startRunner(LevelRunner& runner, std::ostream& err) {
    std::string reason;
    if (runner.startUp(reason))
        return true;
    err << reason << "\n";
    return false;
}

} // namespace

std::string RunCommand::usageText(const std::string& program) {
    return "Usage: " + program +
           " replay <level> <steps> [--inputs FILE] [--hash-at N,N,...] [--seed S] [--data DIR]\n"
           "       " +
           program + " soak <level|all> <minutes> [--seed S] [--data DIR]\n";
}

bool RunCommand::parse(const std::vector<std::string>& arguments, std::string& problem) {
    if (arguments.size() < 3 || (arguments[0] != "replay" && arguments[0] != "soak")) {
        problem = "expected replay or soak, a level and a length";
        return false;
    }
    mode = arguments[0] == "replay" ? Mode::Replay : Mode::Soak;
    unsigned long long number = 0;
    allLevels = mode == Mode::Soak && arguments[1] == "all";
    if (!allLevels) {
        if (!readWhole(arguments[1], 0xffffffffULL, number)) {
            problem = std::string("the level is a number from 0") +
                      (mode == Mode::Soak ? " (or all)" : "");
            return false;
        }
        level = static_cast<unsigned>(number);
    }
    if (mode == Mode::Replay) {
        if (!readWhole(arguments[2], 0xffffffffULL, number) || number == 0) {
            problem = "the number of steps is a whole number from 1";
            return false;
        }
        steps = static_cast<unsigned>(number);
    } else {
        double minutes = 0.0;
        std::istringstream text(arguments[2]);
        // A step count that fits, so at most about a hundred days.
        if (!(text >> minutes) || !text.eof() || !(minutes > 0.0) || minutes > 1.0e5) {
            problem = "the simulated minutes are a number above 0";
            return false;
        }
        steps = static_cast<unsigned>(std::ceil(minutes * 60.0 / LevelRunner::stepSeconds - 1e-9));
    }
    for (std::size_t at = 3; at < arguments.size(); at += 2) {
        const std::string& option = arguments[at];
        if (at + 1 >= arguments.size()) {
            problem = option + " needs a value";
            return false;
        }
        const std::string& value = arguments[at + 1];
        bool replayOnly = option == "--inputs" || option == "--hash-at";
        if (replayOnly && mode != Mode::Replay) {
            problem = option + " is for replays";
            return false;
        }
        if (option == "--inputs") {
            inputsFile = value;
        } else if (option == "--hash-at") {
            hashAt.clear();
            if (!readSteps(value, hashAt)) {
                problem = "--hash-at takes step numbers from 1, separated by commas";
                return false;
            }
        } else if (option == "--seed") {
            if (!readWhole(value, 0xffffffffULL, number)) {
                problem = "--seed takes a whole number below 2^32";
                return false;
            }
            seed = static_cast<std::uint32_t>(number);
        } else if (option == "--data") {
            dataDir = value;
        } else {
            problem = "unknown option " + option;
            return false;
        }
    }
    if (mode == Mode::Replay) {
        if (hashAt.empty())
            hashAt.push_back(steps);
        if (*std::max_element(hashAt.begin(), hashAt.end()) > steps) {
            problem = "--hash-at asks for a step after the last";
            return false;
        }
    }
    return true;
}

int RunCommand::execute(std::ostream& out, std::ostream& err) const {
    return mode == Mode::Replay ? replay(out, err) : soak(out, err);
}

bool RunCommand::levelExists(unsigned index, unsigned count, std::ostream& err) const {
    if (index < count)
        return true;
    err << "There is no story level " << index << "; the level list has " << count << ".\n";
    return false;
}

int RunCommand::replay(std::ostream& out, std::ostream& err) const {
    InputTimeline timeline;
    if (!inputsFile.empty()) {
        std::ifstream file(inputsFile);
        if (!file) {
            err << "Cannot read " << inputsFile << ".\n";
            return 1;
        }
        std::vector<std::string> problems;
        timeline = InputTimeline::read(file, problems);
        for (const std::string& problem : problems)
            err << inputsFile << ": " << problem << "\n";
        if (!problems.empty())
            return 1;
    }
    RandomPilot pilot(seed, LevelRunner::windowWidth, LevelRunner::windowHeight);
    LevelRunner runner(dataDir, seed);
    std::string reason;
    if (!startRunner(runner, err))
        return 1;
    if (!levelExists(level, runner.storyLevelCount(), err))
        return 1;
    runner.requestStoryLevel(level);
    for (unsigned step = 1; step <= steps; ++step) {
        bool screenChanged = false;
        bool pushed = runner.runStep(inputsFile.empty() ? pilot.nextStep() : timeline.at(step),
                                     screenChanged, reason);
        if (!pushed) {
            err << "step " << step << ": " << reason << "\n";
            return 1;
        }
        if (std::find(hashAt.begin(), hashAt.end(), step) != hashAt.end())
            out << "step " << step << " hash " << hex(WorldHash::of(*runner.getScene()))
                << std::endl;
    }
    return 0;
}

int RunCommand::soak(std::ostream& out, std::ostream& err) const {
    RandomPilot pilot(seed, LevelRunner::windowWidth, LevelRunner::windowHeight);
    LevelRunner runner(dataDir, seed);
    if (!startRunner(runner, err))
        return 1;
    unsigned count = runner.storyLevelCount();
    if (!allLevels && !levelExists(level, count, err))
        return 1;
    for (unsigned index = allLevels ? 0 : level; index < (allLevels ? count : level + 1); ++index) {
        SoakMonitor monitor(soakCeilings);
        unsigned starts = 0;
        std::string where = "level " + std::to_string(index);
        runner.requestStoryLevel(index);
        for (unsigned step = 1; step <= steps; ++step) {
            // An ended level goes straight back to its start: no results, no next level.
            if (runner.screenChangePending())
                runner.requestStoryLevel(index);
            bool screenChanged = false;
            std::string failure;
            if (runner.runStep(pilot.nextStep(), screenChanged, failure))
                failure = runner.inStoryLevel() ? monitor.inspect(*runner.getScene())
                                                : "the level did not start";
            if (!failure.empty()) {
                err << where << " step " << step << " (seed " << seed << "): " << failure << "\n";
                return 1;
            }
            starts += screenChanged ? 1 : 0;
            if (step == 1)
                out << where << " memory at start: " << MemoryUsage::measure().toText()
                    << std::endl;
        }
        const SoakMonitor::Counts& peaks = monitor.getPeaks();
        out << where << " \"" << runner.storyLevelName(index) << "\": " << steps << " steps ("
            << steps * LevelRunner::stepSeconds << " s simulated), started " << starts
            << " times; at most " << peaks.entities << " entities, " << peaks.processes
            << " processes, " << peaks.queuedEvents << " queued events" << std::endl;
        out << where << " memory at end: " << MemoryUsage::measure().toText() << std::endl;
    }
    return 0;
}

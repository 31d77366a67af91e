// The whole game, frame by frame, the way a player meets it: start-up through GameRuntime, the
// main menu's first drawn frame, then a story level flown by a scripted pilot who thrusts, turns
// and shoots. The simulation step and the drawn frame are timed apart; each drawn frame ends with
// glFinish, so work a software renderer defers to the next frame is charged to the frame that
// asked for it. Run it from the folder that holds ./data (tools/bench-frame.sh does), under X.
#include "app/GameGlobals.h"
#include "app/GameRuntime.h"
#include "app/LevelList.h"
#include "presentation/VideoMode.h"
#include "world/SceneManager.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double stepSeconds = 0.016;

struct Options {
    VideoMode mode{1024, 768, 0, false};
    // 1-based, in menu order; 0 probes every story level and takes the busiest.
    unsigned level = 0;
    unsigned steps = 3000;
    unsigned warmUp = 300;
    unsigned probeSteps = 300;
};

const char* const usage =
    "Usage: vantorix-frame-bench [--level N] [--steps N] [--warmup N] [--probe N]\n"
    "                            [--width N] [--height N]\n"
    "  --level N   story level N (1 = the first on the menu); by default every level is\n"
    "              flown for --probe steps and the one with the most entities is measured\n";

bool parseOptions(int argc, char* argv[], Options& options) {
    for (int index = 1; index < argc; index += 2) {
        if (index + 1 >= argc)
            return false;
        char* end = nullptr;
        unsigned long value = std::strtoul(argv[index + 1], &end, 10);
        if (*end != '\0' || end == argv[index + 1])
            return false;
        std::string name = argv[index];
        auto number = static_cast<unsigned>(value);
        if (name == "--level")
            options.level = number;
        else if (name == "--steps" && number > 0)
            options.steps = number;
        else if (name == "--warmup")
            options.warmUp = number;
        else if (name == "--probe" && number > 0)
            options.probeSteps = number;
        else if (name == "--width" && number > 0)
            options.mode.width = number;
        else if (name == "--height" && number > 0)
            options.mode.height = number;
        else
            return false;
    }
    return true;
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// How long before `now` the kernel started this process, from /proc; its clock counts in
// ticks of (usually) 10 ms, so this is that coarse. Negative when it cannot be read.
double millisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces and brackets; the fields after it cannot.
    std::size_t afterName = text.rfind(')');
    if (afterName == std::string::npos)
        return -1.0;
    std::istringstream fields(text.substr(afterName + 2));
    std::string field;
    // Field 22, the start time, is the 20th after the name.
    for (int index = 3; index < 22 && fields >> field; ++index) {
    }
    unsigned long long startTicks = 0;
    timespec sinceBoot{};
    if (!(fields >> startTicks) || clock_gettime(CLOCK_BOOTTIME, &sinceBoot) != 0)
        return -1.0;
    double startMs = 1000.0 * static_cast<double>(startTicks) / sysconf(_SC_CLK_TCK);
    return sinceBoot.tv_sec * 1000.0 + sinceBoot.tv_nsec / 1e6 - startMs;
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0.0, resident = 0.0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

void pushKey(SDLKey key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

// Plays the same two seconds over and over: thrust for the first, a turn each way, the shield
// raised now and then, and a shot every eighth step (the gun fires once per press).
class ScriptedPilot {
public:
    void act(unsigned step) {
        unsigned phase = step % 125;
        press(SDLK_w, phase < 60);
        press(SDLK_a, phase >= 20 && phase < 40);
        press(SDLK_d, phase >= 80 && phase < 100);
        press(SDLK_LSHIFT, step % 1000 >= 500 && step % 1000 < 530);
        press(SDLK_LCTRL, step % 8 < 4);
    }

private:
    void press(SDLKey key, bool down) {
        bool& held = keys[key];
        if (held != down)
            pushKey(key, down);
        held = down;
    }

    bool keys[SDLK_LAST] = {};
};

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    auto rank = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[rank];
}

// Wall-clock time is what the player sees; the CPU time of the whole process (every software
// renderer thread included) is what the frame costs, and is far less disturbed by other work
// on a shared machine.
struct Instant {
    Clock::time_point wall = Clock::now();
    double cpuMs = processCpuMilliseconds();

    static double processCpuMilliseconds() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    }
};

struct Timings {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;

    void add(const Instant& from, const Instant& to) {
        wallMs.push_back(millisecondsBetween(from.wall, to.wall));
        cpuMs.push_back(to.cpuMs - from.cpuMs);
    }
};

struct FrameRecord {
    Timings step;
    Timings draw;
    double entitySum = 0.0;
    double processSum = 0.0;
    std::size_t entityPeak = 0;
    unsigned pausedFrames = 0;

    std::size_t frames() const { return step.wallMs.size(); }
    double meanEntities() const { return frames() == 0 ? 0.0 : entitySum / frames(); }
    double meanProcesses() const { return frames() == 0 ? 0.0 : processSum / frames(); }
};

// Runs frames of one story level the way the main loop does, minus the pacing. The level ends
// by its own script (the results screen) or by the ship's loss (the level again): either way the
// driver goes straight back into the level and counts the change, which is not timed.
class LevelDriver {
public:
    LevelDriver(GameRuntime& game, unsigned storyIndex) : game(game), storyIndex(storyIndex) {
        game.requestStoryLevel(storyIndex);
        game.prepareFrame();
    }

    void run(unsigned frames, FrameRecord* record) {
        for (unsigned frame = 0; frame < frames; ++frame)
            runFrame(record);
    }

    unsigned getScreenChanges() const { return screenChanges; }

private:
    void runFrame(FrameRecord* record) {
        if (game.prepareFrame() == MainLoop::FrameStart::ScreenChanged)
            ++screenChanges;
        if (gameMode != State::StoryLevel) {
            game.requestStoryLevel(storyIndex);
            game.prepareFrame();
        }
        pilot.act(stepCount++);
        Instant start;
        game.step(stepSeconds);
        Instant stepped;
        game.draw();
        glFinish();
        Instant drawn;
        if (record && currentScene) {
            record->step.add(start, stepped);
            record->draw.add(stepped, drawn);
            countScene(*record);
        }
    }

    static void countScene(FrameRecord& record) {
        std::size_t entities = currentScene->getEntities().size();
        record.entitySum += entities;
        record.processSum += currentScene->processCount();
        record.entityPeak = std::max(record.entityPeak, entities);
        record.pausedFrames += currentScene->isPaused() ? 1 : 0;
    }

    GameRuntime& game;
    unsigned storyIndex;
    ScriptedPilot pilot;
    unsigned stepCount = 0;
    unsigned screenChanges = 0;
};

// The first frame the player sees: the menu built, one step, drawn and finished.
void drawFirstMenuFrame(GameRuntime& game) {
    game.prepareFrame();
    game.step(stepSeconds);
    game.draw();
    glFinish();
}

// Flies every story level briefly; the index of the one with the most entities on average.
unsigned busiestLevel(GameRuntime& game, unsigned probeSteps) {
    std::printf("%-3s %-20s %10s %10s %10s %10s %10s\n", "#", "story level", "entities", "peak",
                "processes", "step p50", "resident");
    unsigned busiest = 0;
    double most = -1.0;
    for (unsigned index = 0; index < levelList->getNumStoryLevels(); ++index) {
        FrameRecord record;
        LevelDriver(game, index).run(probeSteps, &record);
        std::printf("%-3u %-20s %10.1f %10zu %10.1f %10.3f %8.1f MB\n", index + 1,
                    levelList->getStoryLevelName(index).c_str(), record.meanEntities(),
                    record.entityPeak, record.meanProcesses(), percentile(record.step.wallMs, 0.5),
                    residentMegabytes());
        if (record.meanEntities() > most) {
            most = record.meanEntities();
            busiest = index;
        }
    }
    std::printf("\n");
    return busiest;
}

void printRow(const char* what, const std::vector<double>& values, const char* goal) {
    std::printf("%-18s %8.3f %8.3f %8.3f   %s\n", what, percentile(values, 0.5),
                percentile(values, 0.99), *std::max_element(values.begin(), values.end()), goal);
}

void printRows(const char* what, const Timings& timings, const char* goal) {
    printRow(what, timings.wallMs, goal);
    printRow("  CPU time", timings.cpuMs, "");
}

// What the player waits through before the menu shows.
struct StartFigures {
    double fromMainMs = 0.0;
    double fromProcessMs = 0.0;
    double startUpMs = 0.0; // GameRuntime::startUp alone
    double peakMegabytes = 0.0;
};

StartFigures startAndDrawMenu(GameRuntime& game, const VideoMode& mode,
                              Clock::time_point mainEntry) {
    StartFigures figures;
    Clock::time_point before = Clock::now();
    if (!game.startUp(mode))
        throw std::runtime_error("the game did not start (see VantorixLog.txt)");
    figures.startUpMs = millisecondsBetween(before, Clock::now());
    drawFirstMenuFrame(game);
    figures.fromMainMs = millisecondsBetween(mainEntry, Clock::now());
    figures.fromProcessMs = millisecondsSinceProcessStart();
    figures.peakMegabytes = peakMegabytes();
    return figures;
}

void report(const Options& options, unsigned storyIndex, const FrameRecord& record,
            unsigned screenChanges, const StartFigures& start) {
    std::printf("level %u \"%s\" at %ux%u: %u frames after %u warm-up frames\n", storyIndex + 1,
                levelList->getStoryLevelName(storyIndex).c_str(), options.mode.width,
                options.mode.height, options.steps, options.warmUp);
    std::printf("%-18s %8s %8s %8s   %s\n", "ms", "p50", "p99", "max", "goal");
    printRows("simulation step", record.step, "p99 < 2");
    printRows("drawn frame", record.draw, "p99 < 12");
    std::printf("start to menu      %8.1f ms from main's entry (start-up %.1f ms, then the first "
                "frame); %.0f ms from process start   goal < 400\n",
                start.fromMainMs, start.startUpMs, start.fromProcessMs);
    std::printf("peak memory        %8.1f MB (ru_maxrss; %.1f MB at the first menu frame)"
                "   goal < 120\n",
                peakMegabytes(), start.peakMegabytes);
    std::printf("entities           %8.1f mean, %zu peak; %.1f scene processes; "
                "%u screen changes, %u paused frames\n",
                record.meanEntities(), record.entityPeak, record.meanProcesses(), screenChanges,
                record.pausedFrames);
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average       %.2f %.2f %.2f\n", load[0], load[1], load[2]);
}

int runBenchmark(const Options& options, Clock::time_point mainEntry) {
    GameRuntime game;
    StartFigures start = startAndDrawMenu(game, options.mode, mainEntry);
    if (!levelList || levelList->getNumStoryLevels() == 0 ||
        options.level > levelList->getNumStoryLevels()) {
        std::cerr << "vantorix-frame-bench: no such story level\n";
        return 1;
    }
    unsigned storyIndex =
        options.level > 0 ? options.level - 1 : busiestLevel(game, options.probeSteps);
    LevelDriver driver(game, storyIndex);
    driver.run(options.warmUp, nullptr);
    FrameRecord record;
    driver.run(options.steps, &record);
    report(options, storyIndex, record, driver.getScreenChanges(), start);
    game.shutDown();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    Clock::time_point mainEntry = Clock::now();
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << usage;
        return 2;
    }
    try {
        return runBenchmark(options, mainEntry);
    } catch (const std::exception& error) {
        std::cerr << "vantorix-frame-bench: " << error.what() << std::endl;
        return 1;
    }
}

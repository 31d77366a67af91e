#pragma once

#include "app/GameRuntime.h"
#include "app/InputAction.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class SceneManager;

// Drives the real game headless and repeatably: every manager started as the game does, story
// levels entered through the game's own screen flow, fixed steps of 0.016 s each followed by one
// draw (animations run on drawing, and an explosion ends with its animation), input only from
// the caller as SDL events. Random spawners without a seed of their own, and the silent sound
// output's clock (sounds that end remove their carriers), follow the run rather than the wall
// clock, so equal inputs give equal worlds on every run.
//
// The game reads "./data/...": the runner works from the data folder's parent for its lifetime,
// and the game's log files are written there.
class LevelRunner {
public:
    static constexpr double stepSeconds = 0.016;
    // Small, for speed; clicks in the inputs are pixels of this window.
    static constexpr int windowWidth = 320;
    static constexpr int windowHeight = 240;

    // dataDir is the folder the game calls "data"; seed is used by every random spawner whose
    // data gives none.
    LevelRunner(const std::string& dataDir, std::uint32_t seed);
    ~LevelRunner();
    LevelRunner(const LevelRunner&) = delete;
    LevelRunner& operator=(const LevelRunner&) = delete;

    // Starts the game; false with a reason when there is no such data folder or no window.
    bool startUp(std::string& reason);

    unsigned storyLevelCount() const;
    std::string storyLevelName(unsigned index) const;
    // Story level `index` is built at the next step, replacing whatever screen is up.
    void requestStoryLevel(unsigned index);

    // One frame as the game makes it: a pending screen change, the inputs, one step, one draw.
    // True when the frame began with a new screen; false with a reason when the inputs did not
    // fit in SDL's queue.
    bool runStep(const std::vector<InputAction>& inputs, bool& screenChanged, std::string& reason);

    // A level ended, was reset or was left, and the next step changes the screen.
    bool screenChangePending() const;
    bool inStoryLevel() const;
    SceneManager* getScene() const;
    double getSimulatedTime() const { return simulatedTime; }

private:
    static double simulatedClock(void* runner);

    std::filesystem::path dataDir;
    std::uint32_t seed;
    std::filesystem::path previousDirectory;
    GameRuntime game;
    double simulatedTime = 0.0;
};

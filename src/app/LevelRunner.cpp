#include "app/LevelRunner.h"

#include "app/GameGlobals.h"
#include "app/LevelList.h"
#include "presentation/AudioManager.h"
#include "presentation/SoundLayer.h"
#include "presentation/VideoMode.h"
#include "world/RandomSource.h"

#include <SDL/SDL.h>

#include <cstdlib>

namespace fs = std::filesystem;

LevelRunner::LevelRunner(const std::string& dir, std::uint32_t seed) : seed(seed) {
    // Absolute first, so that "." or "../data" name the folder itself; a link stays a link, so
    // that a folder holding a link called "data" is the one worked from.
    fs::path path = fs::absolute(dir).lexically_normal();
    if (path.filename().empty())
        path = path.parent_path();
    dataDir = path;
}

LevelRunner::~LevelRunner() {
    game.shutDown();
    if (!previousDirectory.empty()) {
        std::error_code ignored;
        fs::current_path(previousDirectory, ignored);
    }
}

bool LevelRunner::startUp(std::string& reason) {
    std::error_code error;
    if (!fs::is_regular_file(dataDir / "templates" / "Scene.xml", error)) {
        reason = "no " + (dataDir / "templates" / "Scene.xml").string();
        return false;
    }
    previousDirectory = fs::current_path();
    fs::current_path(dataDir.parent_path());
    RandomSource::fixFallbackSeed(seed);
    // Mixed in step with the run, never to a sound card, whose pace would decide when sounds end.
    setenv("VANTORIX_AUDIO_OUTPUT", "silent", 1);
    VideoMode mode;
    mode.width = windowWidth;
    mode.height = windowHeight;
    if (!game.startUp(mode)) {
        reason = std::string("the game did not start: ") + SDL_GetError();
        return false;
    }
    FMOD_System_SetSilentClock(AudioManager::getSingleton().getSystem(), &simulatedClock, this);
    // Only the inputs given count: not the X server's focus changes, nor its pointer.
    SDL_EventState(SDL_ACTIVEEVENT, SDL_IGNORE);
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    return true;
}

double LevelRunner::simulatedClock(void* runner) {
    return static_cast<LevelRunner*>(runner)->simulatedTime;
}

unsigned LevelRunner::storyLevelCount() const {
    return levelList ? static_cast<unsigned>(levelList->getNumStoryLevels()) : 0;
}

std::string LevelRunner::storyLevelName(unsigned index) const {
    return index < storyLevelCount() ? levelList->getStoryLevelName(index) : std::string();
}

void LevelRunner::requestStoryLevel(unsigned index) {
    game.requestStoryLevel(index);
}

bool LevelRunner::runStep(const std::vector<InputAction>& inputs, bool& screenChanged,
                          std::string& reason) {
    screenChanged = game.prepareFrame() == MainLoop::FrameStart::ScreenChanged;
    for (const InputAction& action : inputs) {
        if (!action.push()) {
            reason = "SDL's event queue is full";
            return false;
        }
    }
    simulatedTime += stepSeconds;
    game.step(stepSeconds);
    game.draw();
    return true;
}

bool LevelRunner::screenChangePending() const {
    return screenChangeRequested;
}

bool LevelRunner::inStoryLevel() const {
    return gameMode == State::StoryLevel && currentScene;
}

SceneManager* LevelRunner::getScene() const {
    return currentScene;
}

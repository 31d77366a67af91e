#pragma once

#include "core/LogManager.h"
#include "presentation/AudioManager.h"
#include "support/ManualSoundClock.h"
#include "support/ScratchDirectory.h"
#include "world/SceneManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The game's AudioManager (silent, on a manual clock) in a scratch directory, with parts on
// request.
class AudioTest : public ::testing::Test {
protected:
    enum Parts { Clips = 1, Streams = 2, Scene = 4 };
    explicit AudioTest(int parts = 0);

    AudioManager& audio() { return *audioManager; }
    void destroyAudio() { audioManager.reset(); }
    int channelsPlaying();
    // Fixed steps of 0.016 s of the clock, the AudioManager and then the scene if given.
    void run(double seconds, ProcessManager* scene = nullptr);
    static std::string sound(const std::string& file); // under tests/data/audio
    static std::string readFile(const std::string& name) { return readTextFile(name); }

private:
    ScratchDirectory scratch{"vantorix_audio"};
    ScopedWorkingDirectory inScratch{scratch.path()};
    std::unique_ptr<LogManager> ownLogManager;

protected:
    ManualSoundClock clock;
    std::unique_ptr<AudioManager> audioManager;
    std::unique_ptr<SceneManager> scene;
};

#pragma once

#include "core/LogManager.h"
#include "support/ManualSoundClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class AudioManager;
class ProcessManager;

// Gives each test the game's AudioManager on the silent output, driven by a manual clock, in a
// fresh temporary working directory (so "AudioSystemLog.txt" and "VantorixLog.txt" belong to the
// test alone). Clip and stream managers are made on request, as the main program makes them;
// the AudioManager deletes them when the test ends.
class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    AudioManager& audio() { return *audioManager; }
    // Ends the AudioManager before the test does (it deletes the clip and stream managers).
    void destroyAudio();
    // Channels the sound system plays now.
    int channelsPlaying();
    void makeClipManager();
    void makeStreamManager();
    // Advances the clock and the AudioManager in fixed steps of 0.016 s, and the scene as well
    // when one is given (after the audio, as the game's process tree does).
    void run(double seconds, ProcessManager* scene = nullptr);
    // A file under tests/data/audio.
    static std::string sound(const std::string& file);
    // The whole text of a file in the working directory.
    static std::string readFile(const std::string& name);
    static int countOccurrences(const std::string& text, const std::string& part);

    ManualSoundClock clock;

private:
    std::string previousDirectory;
    std::string directory;
    std::unique_ptr<LogManager> ownLogManager;
    AudioManager* audioManager = nullptr;
};

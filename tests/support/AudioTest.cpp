#include "support/AudioTest.h"

#include "core/ProcessManager.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioManager.h"
#include "presentation/AudioStreamManager.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

void AudioTest::SetUp() {
    // The tests must never depend on (or make noise through) a sound device.
    setenv("VANTORIX_AUDIO_OUTPUT", "silent", 1);
    char current[4096];
    ASSERT_NE(getcwd(current, sizeof current), nullptr);
    previousDirectory = current;
    char pattern[] = "/tmp/vantorix_audio_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    directory = pattern;
    ASSERT_EQ(chdir(directory.c_str()), 0);
    if (!LogManager::getSingletonPtr()) {
        ownLogManager = std::make_unique<LogManager>();
        ownLogManager->openLog("VantorixLog.txt", 1, false, true);
    }
    audioManager = new AudioManager();
    clock.attach(audioManager->getSystem());
}

void AudioTest::destroyAudio() {
    delete audioManager;
    audioManager = nullptr;
}

int AudioTest::channelsPlaying() {
    int channels = -1;
    EXPECT_EQ(FMOD_System_GetChannelsPlaying(audioManager->getSystem(), &channels), FMOD_OK);
    return channels;
}

void AudioTest::TearDown() {
    delete audioManager;
    ownLogManager.reset();
    if (!previousDirectory.empty()) {
        EXPECT_EQ(chdir(previousDirectory.c_str()), 0);
    }
    if (!directory.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }
}

void AudioTest::makeClipManager() {
    new AudioClipManager();
    FMOD_ChannelGroup_SetVolume(AudioClipManager::getSingleton().getChannelGroup(), 0.45f);
}

void AudioTest::makeStreamManager() {
    new AudioStreamManager();
    FMOD_ChannelGroup_SetVolume(AudioStreamManager::getSingleton().getChannelGroup(), 0.9f);
}

void AudioTest::run(double seconds, ProcessManager* scene) {
    for (double done = 0.0; done < seconds - 1e-9; done += 0.016) {
        clock.advance(0.016);
        audioManager->updateProcess(0.016);
        if (scene)
            scene->updateProcess(0.016);
    }
}

std::string AudioTest::sound(const std::string& file) {
    return std::string(VANTORIX_TEST_DATA_DIR) + "/audio/" + file;
}

std::string AudioTest::readFile(const std::string& name) {
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int AudioTest::countOccurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

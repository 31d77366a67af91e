#include "support/AudioTest.h"

#include "core/ProcessManager.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioStreamManager.h"

#include <cstdlib>

AudioTest::AudioTest(int parts) {
    setenv("VANTORIX_AUDIO_OUTPUT", "silent", 1);
    if (!LogManager::getSingletonPtr()) {
        ownLogManager = std::make_unique<LogManager>();
        ownLogManager->openLog("VantorixLog.txt", 1, false, true);
    }
    audioManager = std::make_unique<AudioManager>();
    clock.attach(audioManager->getSystem());
    // The volumes the main program gives the groups.
    if (parts & Clips)
        FMOD_ChannelGroup_SetVolume((new AudioClipManager())->getChannelGroup(), 0.45f);
    if (parts & Streams)
        FMOD_ChannelGroup_SetVolume((new AudioStreamManager())->getChannelGroup(), 0.9f);
    if (parts & Scene)
        scene = std::make_unique<SceneManager>();
}

int AudioTest::channelsPlaying() {
    int channels = -1;
    EXPECT_EQ(FMOD_System_GetChannelsPlaying(audioManager->getSystem(), &channels), FMOD_OK);
    return channels;
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

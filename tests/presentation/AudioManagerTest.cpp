#include "presentation/AudioManager.h"
#include "core/MasterProcessManager.h"
#include "presentation/AudioClip.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioStreamManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"

#include <gtest/gtest.h>

TEST_F(AudioTest, SuspendingTwiceLogsOnceAndResumingWhenNotSuspendedDoesNothing) {
    audio().setSuspended(false);
    audio().setSuspended(true);
    audio().setSuspended(true);
    EXPECT_TRUE(audio().isSuspended());
    audio().setSuspended(false);
    audio().setSuspended(false);
    EXPECT_FALSE(audio().isSuspended());
    const std::string log = readFile("AudioSystemLog.txt");
    EXPECT_EQ(countOccurrences(log, "Suspending all audio playback."), 1);
    EXPECT_EQ(countOccurrences(log, "Unsuspending all audio playback."), 1);
}

TEST_F(AudioTest, SuspendedAudioHoldsClipsAndStreamsUntilResumed) {
    makeClipManager();
    makeStreamManager();
    MasterProcessManager master;
    master.addProcess(&audio());
    AudioClip chime(sound("chime.flac"));
    chime.play();
    AudioStreamManager::getSingleton().createStream(sound("music.ogg"));
    AudioStreamManager::getSingleton().play(sound("music.ogg"));

    audio().setSuspended(true);
    for (int tick = 0; tick < 250; ++tick) {
        clock.advance(0.016);
        master.updateProcess(0.016);
    }
    EXPECT_TRUE(chime.isPlaying());
    EXPECT_TRUE(AudioStreamManager::getSingleton().isPlaying(sound("music.ogg")));

    audio().setSuspended(false);
    for (int tick = 0; tick < 40; ++tick) {
        clock.advance(0.016);
        master.updateProcess(0.016);
    }
    EXPECT_FALSE(chime.isPlaying());
    EXPECT_TRUE(AudioStreamManager::getSingleton().isPlaying(sound("music.ogg")));
    audio().kill();
    master.updateProcess(0.016);
}

TEST_F(AudioTest, DestroyingTheAudioManagerDeletesClipAndStreamManagersFirst) {
    makeClipManager();
    makeStreamManager();
    AudioClip beep(sound("beep.wav"));
    beep.play();
    destroyAudio();
    EXPECT_EQ(AudioClipManager::getSingletonPtr(), nullptr);
    EXPECT_EQ(AudioStreamManager::getSingletonPtr(), nullptr);
    const std::string log = readFile("AudioSystemLog.txt");
    EXPECT_LT(log.find("Audio stream manager shut down."), log.find("Audio subsystem shut down."));
    EXPECT_NE(readFile("VantorixLog.txt").find("Audio subsystem shut down."), std::string::npos);
    // The reference outlives every manager and goes quietly.
}

TEST(AudioManagers, ClipAndStreamManagersNeedAnAudioManager) {
    EXPECT_EQ(thrownMessage([] { AudioClipManager clips; }), "no audio manager.");
    EXPECT_EQ(thrownMessage([] { AudioStreamManager streams; }), "No AudioManager.");
    EXPECT_EQ(AudioClipManager::getSingletonPtr(), nullptr);
    // A reference without managers plays nothing and does not fail.
    AudioClip orphan("anything.wav");
    EXPECT_NO_THROW(orphan.play());
    EXPECT_FALSE(orphan.isPlaying());
}

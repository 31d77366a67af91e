#include "presentation/AudioManager.h"
#include "presentation/AudioClip.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioStreamManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"

namespace {
class AudioManagerTest : public AudioTest {
protected:
    AudioManagerTest() : AudioTest(Clips | Streams) {}
};
} // namespace

// A clip reference outlives every manager and goes quietly.
TEST_F(AudioManagerTest, SuspendedAudioHoldsClipsAndStreamsUntilResumed) {
    AudioClip chime(sound("chime.flac"));
    chime.play();
    const std::string music = sound("music.ogg");
    AudioStreamManager::getSingleton().createStream(music);
    AudioStreamManager::getSingleton().play(music);
    audio().setSuspended(true);
    run(4.0);
    EXPECT_TRUE(chime.isPlaying());
    EXPECT_TRUE(AudioStreamManager::getSingleton().isPlaying(music));
    audio().setSuspended(false);
    run(0.64);
    EXPECT_FALSE(chime.isPlaying());
    EXPECT_TRUE(AudioStreamManager::getSingleton().isPlaying(music));
    chime.play();
    destroyAudio();
    EXPECT_FALSE(AudioClipManager::getSingletonPtr() || AudioStreamManager::getSingletonPtr());
    const std::string log = readFile("AudioSystemLog.txt");
    EXPECT_LT(log.find("Audio stream manager shut down."), log.find("Audio subsystem shut down."));
}

// A reference without managers plays nothing and does not fail.
TEST(AudioManagers, ClipAndStreamManagersNeedAnAudioManager) {
    EXPECT_EQ(thrownMessage([] { AudioClipManager clips; }), "no audio manager.");
    EXPECT_EQ(thrownMessage([] { AudioStreamManager streams; }), "No AudioManager.");
    AudioClip orphan("anything.wav");
    EXPECT_NO_THROW(orphan.play());
    EXPECT_FALSE(orphan.isPlaying());
}

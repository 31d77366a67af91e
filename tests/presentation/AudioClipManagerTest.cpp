#include "presentation/AudioClipManager.h"
#include "presentation/AudioClip.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"

namespace {
class AudioClipManagerTest : public AudioTest {
protected:
    AudioClipManagerTest() : AudioTest(Clips) {}
};
} // namespace

// A playing reference starts nothing new, a copy plays alongside; an empty path plays nothing.
TEST_F(AudioClipManagerTest, ReferencePlaysAgainAfterItsEndOrAStop) {
    AudioClip beep(sound("beep.wav"));
    beep.play();
    run(0.2);
    EXPECT_TRUE(beep.isPlaying());
    run(0.1);
    EXPECT_FALSE(beep.isPlaying());
    beep.play();
    run(0.1);
    beep.stop();
    beep.play();
    beep.play();
    EXPECT_EQ(channelsPlaying(), 1);
    AudioClip copy(beep);
    copy.play();
    EXPECT_EQ(channelsPlaying(), 2);
    AudioClip missing("no/such/clip.wav"), none;
    EXPECT_EQ(thrownMessage([&] { missing.play(); }),
              AudioManager::errorText(FMOD_ERR_FILE_MISSING));
    EXPECT_NO_THROW(none.play());
    EXPECT_FALSE(none.isPlaying());
    // The last reference releases a looping clip; unloading stops every reference, and the next
    // play loads the sound again.
    const std::string path = sound("chime.flac");
    {
        AudioClip first(path);
        AudioClip second;
        second = first;
        AudioClipManager::getSingleton().setLoop(path, true);
        first.play();
        run(2.0);
        EXPECT_TRUE(first.isPlaying());
    }
    EXPECT_FALSE(AudioClipManager::getSingleton().isKnown(path));
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
    AudioClip again(path);
    again.play();
    AudioClipManager::getSingleton().unloadClip(path);
    EXPECT_FALSE(again.isPlaying());
    again.play();
    EXPECT_TRUE(again.isPlaying());
}

#include "presentation/AudioClipManager.h"
#include "presentation/AudioClip.h"
#include "presentation/AudioManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"

#include <gtest/gtest.h>

namespace {
class AudioClipManagerTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        makeClipManager();
    }
    AudioClipManager& clips() { return AudioClipManager::getSingleton(); }
};
} // namespace

// A reference is free to play again once its end arrives, and at once after a stop.
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
    EXPECT_FALSE(beep.isPlaying());
    beep.play();
    run(0.016);
    EXPECT_TRUE(beep.isPlaying());
    EXPECT_EQ(channelsPlaying(), 1);
}

TEST_F(AudioClipManagerTest, PlayingAPlayingReferenceStartsNothingNewButACopyPlaysAlongside) {
    AudioClip chime(sound("chime.flac"));
    chime.play();
    run(0.1);
    chime.play();
    EXPECT_EQ(channelsPlaying(), 1);
    AudioClip copy(chime);
    copy.play();
    EXPECT_EQ(channelsPlaying(), 2);
    EXPECT_EQ(clips().referenceCount(sound("chime.flac")), 2u);
}

TEST_F(AudioClipManagerTest, LastReferenceReleasesTheSoundAndANewOneLoadsItAgain) {
    const std::string path = sound("beep.wav");
    {
        AudioClip first(path);
        AudioClip second;
        second = first;
        first.play();
        EXPECT_TRUE(clips().isLoaded(path));
        EXPECT_EQ(clips().referenceCount(path), 2u);
    }
    EXPECT_FALSE(clips().isKnown(path));
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);

    AudioClip again(path);
    EXPECT_FALSE(clips().isLoaded(path));
    again.play();
    EXPECT_TRUE(again.isPlaying());
    // Unloading stops every reference; the next play loads the sound again.
    clips().unloadClip(path);
    EXPECT_FALSE(again.isPlaying());
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
    again.play();
    EXPECT_TRUE(again.isPlaying());
}

TEST_F(AudioClipManagerTest, LoopingClipRepeatsUntilItsReferenceGoes) {
    const std::string path = sound("beep.wav");
    {
        AudioClip beep(path);
        clips().setLoop(path, true);
        beep.play();
        run(2.0);
        EXPECT_TRUE(beep.isPlaying());
        clips().setLoop(path, false);
    }
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
}

TEST_F(AudioClipManagerTest, MissingFileRaisesTheLayerTextAndEmptyPathPlaysNothing) {
    AudioClip missing("no/such/clip.wav");
    EXPECT_EQ(thrownMessage([&] { missing.play(); }),
              AudioManager::errorText(FMOD_ERR_FILE_MISSING));
    EXPECT_FALSE(missing.isPlaying());
    AudioClip none;
    EXPECT_NO_THROW(none.play());
    EXPECT_FALSE(none.isPlaying());
}

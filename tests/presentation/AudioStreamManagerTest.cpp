#include "presentation/AudioStreamManager.h"
#include "presentation/AudioManager.h"
#include "presentation/AudioStream.h"
#include "support/AudioTest.h"

#include <gtest/gtest.h>

namespace {
class AudioStreamManagerTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        makeStreamManager();
    }
    AudioStreamManager& streams() { return AudioStreamManager::getSingleton(); }
    const std::string music = sound("music.ogg");
};
} // namespace

TEST_F(AudioStreamManagerTest, StreamLifeIsLogged) {
    {
        AudioStream stream(music);
        stream.play();
        run(0.1);
        stream.stop();
    }
    const std::string log = readFile("AudioSystemLog.txt");
    const std::size_t created = log.find("Created audio stream " + music + ".");
    const std::size_t started = log.find("Started playing audio stream " + music + ".");
    const std::size_t stopped = log.find("Stopped playing audio stream " + music + ".");
    const std::size_t released = log.find("Released audio stream " + music + ".");
    ASSERT_NE(released, std::string::npos);
    EXPECT_LT(created, started);
    EXPECT_LT(started, stopped);
    EXPECT_LT(stopped, released);
}

TEST_F(AudioStreamManagerTest, MissingStreamIsLoggedAndPlaysNothing) {
    AudioStream missing("no/such/music.ogg");
    EXPECT_NO_THROW(missing.play());
    EXPECT_FALSE(streams().isPlaying("no/such/music.ogg"));
    EXPECT_NE(readFile("AudioSystemLog.txt")
                  .find("Error creating stream no/such/music.ogg: " +
                        AudioManager::errorText(FMOD_ERR_FILE_MISSING) + "."),
              std::string::npos);
}

TEST_F(AudioStreamManagerTest, FinishedStreamPlaysAgainAndALoopingOneGoesOn) {
    AudioStream stream(music);
    stream.play();
    stream.play();
    EXPECT_EQ(channelsPlaying(), 1);
    run(2.1);
    EXPECT_FALSE(streams().isPlaying(music));
    stream.setLooping(true);
    stream.play();
    run(5.0);
    EXPECT_TRUE(streams().isPlaying(music));
    FMOD_MODE mode = 0;
    FMOD_Sound_GetMode(streams().getSound(music), &mode);
    EXPECT_EQ(mode & FMOD_LOOP_OFF, 0u);
}

TEST_F(AudioStreamManagerTest, MusicReleasedAndMadeAgainForTheNextScreenPlaysAtOnce) {
    auto oldScreen = std::make_unique<AudioStream>(music);
    oldScreen->play();
    run(0.5);
    oldScreen.reset();
    AudioStream newScreen(music);
    newScreen.play();
    EXPECT_TRUE(streams().isPlaying(music));
    run(0.1);
    EXPECT_TRUE(streams().isPlaying(music));
    EXPECT_EQ(channelsPlaying(), 1);
}

TEST_F(AudioStreamManagerTest, SharedStreamPlaysOnUntilItsLastReferenceGoes) {
    auto first = std::make_unique<AudioStream>(music);
    {
        AudioStream second(*first);
        AudioStream third(music);
        third = second;
        EXPECT_EQ(streams().referenceCount(music), 3u);
        first->play();
    }
    EXPECT_TRUE(streams().isPlaying(music));
    run(0.1);
    EXPECT_EQ(channelsPlaying(), 1);
    first.reset();
    EXPECT_EQ(streams().getSound(music), nullptr);
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
}

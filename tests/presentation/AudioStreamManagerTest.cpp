#include "presentation/AudioStreamManager.h"
#include "presentation/AudioStream.h"
#include "support/AudioTest.h"

namespace {
class AudioStreamManagerTest : public AudioTest {
protected:
    AudioStreamManagerTest() : AudioTest(Streams) {}
    AudioStreamManager& streams() { return AudioStreamManager::getSingleton(); }
    const std::string music = sound("music.ogg");
};
} // namespace

// A missing stream is logged and plays nothing.
TEST_F(AudioStreamManagerTest, FinishedStreamPlaysAgain) {
    AudioStream stream(music);
    stream.play();
    stream.play();
    EXPECT_EQ(channelsPlaying(), 1);
    run(2.1);
    EXPECT_FALSE(streams().isPlaying(music));
    stream.play();
    EXPECT_TRUE(streams().isPlaying(music));
    AudioStream missing("no/such/music.ogg");
    EXPECT_NO_THROW(missing.play());
    EXPECT_NE(readFile("AudioSystemLog.txt")
                  .find("Error creating stream no/such/music.ogg: " +
                        AudioManager::errorText(FMOD_ERR_FILE_MISSING) + "."),
              std::string::npos);
}

// The log tells the stream's life in order; the next screen may make the same music at once.
TEST_F(AudioStreamManagerTest, SharedStreamPlaysOnUntilItsLastReferenceGoes) {
    auto first = std::make_unique<AudioStream>(music);
    {
        AudioStream second(*first);
        AudioStream third(music);
        third = second;
        first->play();
    }
    run(0.1);
    EXPECT_EQ(channelsPlaying(), 1);
    first.reset();
    EXPECT_EQ(streams().getSound(music), nullptr);
    AudioStream next(music);
    next.play();
    run(0.1);
    EXPECT_EQ(channelsPlaying(), 1);
    const std::string log = readFile("AudioSystemLog.txt");
    std::size_t at = 0;
    for (const char* line : {"Created audio stream ", "Started playing audio stream ",
                             "Stopped playing audio stream ", "Released audio stream "}) {
        at = log.find(line + music + ".", at);
        EXPECT_NE(at, std::string::npos) << line;
    }
}

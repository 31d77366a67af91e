#include "presentation/SoundLayer.h"
#include "support/ManualSoundClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const std::string audioDir = std::string(VANTORIX_TEST_DATA_DIR) + "/audio/";

std::vector<int> ends; // the values of the channels whose end was reported

FMOD_RESULT recordEnd(FMOD_CHANNEL*, FMOD_CHANNEL_CALLBACKTYPE, int value) {
    ends.push_back(value);
    return FMOD_OK;
}

class SoundLayer : public ::testing::Test {
protected:
    void SetUp() override {
        ends.clear();
        ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
        FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_SILENT);
        ASSERT_EQ(FMOD_System_Init(system, 128, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
        clock.attach(system);
    }
    void TearDown() override { EXPECT_EQ(FMOD_System_Release(system), FMOD_OK); }

    FMOD_SOUND* load(const std::string& file, bool stream = false) {
        FMOD_SOUND* sound = nullptr;
        auto create = stream ? FMOD_System_CreateStream : FMOD_System_CreateSound;
        EXPECT_EQ(create(system, (audioDir + file).c_str(), 0x48, nullptr, &sound), FMOD_OK);
        return sound;
    }
    FMOD_CHANNEL* play(FMOD_SOUND* sound, int value = 0) {
        FMOD_CHANNEL* channel = nullptr;
        EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, 0, &channel), FMOD_OK);
        FMOD_Channel_SetCallback(channel, FMOD_CHANNEL_CALLBACKTYPE_END, recordEnd, value);
        return channel;
    }
    void run(double seconds) {
        for (double done = 0.0; done < seconds - 1e-9; done += 0.016) {
            clock.advance(0.016);
            ASSERT_EQ(FMOD_System_Update(system), FMOD_OK);
        }
    }
    bool playing(FMOD_CHANNEL* channel) {
        FMOD_BOOL isPlaying = 0;
        return FMOD_Channel_IsPlaying(channel, &isPlaying) == FMOD_OK && isPlaying;
    }

    FMOD_SYSTEM* system = nullptr;
    ManualSoundClock clock;
};
} // namespace

// Ends, played out or stopped, are reported once each by the next update, but not playing at once.
TEST_F(SoundLayer, EndCallbackArrivesOnlyDuringUpdateAndStaleHandlesAreErrorsNotCrashes) {
    FMOD_SOUND* beep = load("beep.wav");
    FMOD_CHANNEL* channel = play(beep, 7);
    FMOD_CHANNELGROUP* master = nullptr;
    FMOD_System_GetMasterChannelGroup(system, &master);
    clock.advance(0.3);
    ASSERT_EQ(FMOD_ChannelGroup_SetPaused(master, 1), FMOD_OK); // mixes up to now
    FMOD_BOOL isPlaying = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &isPlaying), FMOD_OK);
    EXPECT_FALSE(isPlaying);
    EXPECT_TRUE(ends.empty());
    ASSERT_EQ(FMOD_ChannelGroup_SetPaused(master, 0), FMOD_OK);
    ASSERT_EQ(FMOD_System_Update(system), FMOD_OK);
    EXPECT_EQ(ends, std::vector<int>{7});
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &isPlaying), FMOD_ERR_STALE_HANDLE);

    FMOD_CHANNEL* again = play(beep, 3);
    run(0.1);
    ASSERT_EQ(FMOD_Channel_Stop(again), FMOD_OK);
    EXPECT_EQ(ends.size(), 1u);
    run(1.0);
    EXPECT_EQ(ends, (std::vector<int>{7, 3}));
    // Null and released handles are errors, not crashes.
    EXPECT_EQ(FMOD_System_Update(nullptr), FMOD_ERR_NULL_POINTER);
    ASSERT_EQ(FMOD_Sound_Release(beep), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(beep), FMOD_ERR_STALE_HANDLE);
    EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, beep, 0, &again),
              FMOD_ERR_STALE_HANDLE);
}

TEST_F(SoundLayer, DecodesWavOggAndFlacAndRefusesWhatItCannotRead) {
    struct Case {
        std::string path;
        bool stream;
        FMOD_RESULT result;
        FMOD_TIMEUNIT unit;
        unsigned length;
    } cases[] = {
        {audioDir + "beep.wav", false, FMOD_OK, FMOD_TIMEUNIT_MS, 250},
        {audioDir + "chime.flac", true, FMOD_OK, FMOD_TIMEUNIT_PCM, 11025},
        {"no/such/file.ogg", true, FMOD_ERR_FILE_MISSING, FMOD_TIMEUNIT_MS, 0},
        {audioDir + "../xml/Broken.xml", false, FMOD_ERR_FILE_UNDECODABLE, FMOD_TIMEUNIT_MS, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path);
        FMOD_SOUND* sound = reinterpret_cast<FMOD_SOUND*>(1);
        auto create = test.stream ? FMOD_System_CreateStream : FMOD_System_CreateSound;
        EXPECT_EQ(create(system, test.path.c_str(), 0x48, nullptr, &sound), test.result);
        EXPECT_EQ(sound == nullptr, test.result != FMOD_OK);
        unsigned length = 0;
        FMOD_Sound_GetLength(sound, &length, test.unit);
        EXPECT_EQ(length, test.length);
    }
}

// An end past the 2 s sound means its end; a start that is not before the end is refused.
TEST_F(SoundLayer, StreamLoopsInsideItsLoopPoints) {
    FMOD_SOUND* music = load("music.ogg", true);
    ASSERT_EQ(FMOD_Sound_SetMode(music, FMOD_LOOP_NORMAL), FMOD_OK);
    ASSERT_EQ(FMOD_Sound_SetLoopCount(music, -1), FMOD_OK);
    auto loop = [&](unsigned start, unsigned end) {
        return FMOD_Sound_SetLoopPoints(music, start, FMOD_TIMEUNIT_MS, end, FMOD_TIMEUNIT_MS);
    };
    unsigned start = 0, end = 0;
    ASSERT_EQ(loop(0, 2001), FMOD_OK);
    FMOD_Sound_GetLoopPoints(music, &start, FMOD_TIMEUNIT_MS, &end, FMOD_TIMEUNIT_MS);
    EXPECT_EQ(end, 2000u);
    EXPECT_EQ(loop(2000, 2001), FMOD_ERR_BAD_ARGUMENT);
    ASSERT_EQ(loop(500, 1000), FMOD_OK);
    FMOD_CHANNEL* channel = play(music);
    run(0.9);
    unsigned lowest = 2000, highest = 0;
    for (int step = 0; step < 250; ++step) {
        run(0.016);
        unsigned now = 0;
        FMOD_Channel_GetPosition(channel, &now, FMOD_TIMEUNIT_MS);
        lowest = std::min(lowest, now);
        highest = std::max(highest, now);
    }
    EXPECT_TRUE(playing(channel));
    EXPECT_TRUE(ends.empty());
    EXPECT_GE(lowest, 500u);
    EXPECT_LT(lowest, 540u);
    EXPECT_LE(highest, 1000u);
    EXPECT_GT(highest, 960u);
}

TEST_F(SoundLayer, CallbackMayPlayAgainButMayNotReleaseTheSystem) {
    static FMOD_SYSTEM* current = nullptr;
    static FMOD_SOUND* beep = nullptr;
    static FMOD_RESULT releaseResult = FMOD_OK;
    static FMOD_CHANNEL* again = nullptr;
    current = system;
    beep = load("beep.wav");
    FMOD_Channel_SetCallback(
        play(beep), FMOD_CHANNEL_CALLBACKTYPE_END,
        [](FMOD_CHANNEL*, FMOD_CHANNEL_CALLBACKTYPE, int) {
            releaseResult = FMOD_System_Release(current);
            return FMOD_System_PlaySound(current, FMOD_CHANNEL_FREE, beep, 0, &again);
        },
        0);
    run(0.3);
    EXPECT_EQ(releaseResult, FMOD_ERR_IN_CALLBACK);
    EXPECT_TRUE(playing(again));
    run(0.3);
    EXPECT_FALSE(playing(again));
}

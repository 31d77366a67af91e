#include "presentation/SoundLayer.h"
#include "support/ManualSoundClock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {
const std::string audioDir = std::string(VANTORIX_TEST_DATA_DIR) + "/audio/";

struct EndRecord {
    FMOD_CHANNEL* channel;
    int value;
};
std::vector<EndRecord> ends;

FMOD_RESULT recordEnd(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE, int value) {
    ends.push_back(EndRecord{channel, value});
    return FMOD_OK;
}

class SoundLayer : public ::testing::Test {
protected:
    void SetUp() override {
        ends.clear();
        ASSERT_EQ(FMOD_System_Create(&system), FMOD_OK);
        ASSERT_EQ(FMOD_System_SetOutput(system, FMOD_OUTPUTTYPE_SILENT), FMOD_OK);
        ASSERT_EQ(FMOD_System_Init(system, 128, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
        clock.attach(system);
    }
    void TearDown() override { EXPECT_EQ(FMOD_System_Release(system), FMOD_OK); }

    FMOD_SOUND* load(const std::string& file, bool stream = false) {
        FMOD_SOUND* sound = nullptr;
        const std::string path = audioDir + file;
        FMOD_RESULT result =
            stream ? FMOD_System_CreateStream(system, path.c_str(), 0x48, nullptr, &sound)
                   : FMOD_System_CreateSound(system, path.c_str(), 0x48, nullptr, &sound);
        EXPECT_EQ(result, FMOD_OK) << FMOD_ErrorString(result);
        return sound;
    }
    FMOD_CHANNEL* play(FMOD_SOUND* sound, int value = 0) {
        FMOD_CHANNEL* channel = nullptr;
        EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, 0, &channel), FMOD_OK);
        EXPECT_EQ(
            FMOD_Channel_SetCallback(channel, FMOD_CHANNEL_CALLBACKTYPE_END, recordEnd, value),
            FMOD_OK);
        return channel;
    }
    // Advances like the game loop: fixed steps, one update each.
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
    unsigned position(FMOD_CHANNEL* channel) {
        unsigned milliseconds = 0;
        EXPECT_EQ(FMOD_Channel_GetPosition(channel, &milliseconds, FMOD_TIMEUNIT_MS), FMOD_OK);
        return milliseconds;
    }

    FMOD_SYSTEM* system = nullptr;
    ManualSoundClock clock;
};
} // namespace

// Ends, whether played out or stopped, are reported by the next update only, once each.
TEST_F(SoundLayer, EndCallbackArrivesOnlyDuringUpdateAndTheSoundPlaysAgain) {
    FMOD_SOUND* beep = load("beep.wav");
    FMOD_CHANNEL* channel = play(beep, 7);
    clock.advance(0.3);
    EXPECT_TRUE(ends.empty());
    ASSERT_EQ(FMOD_System_Update(system), FMOD_OK);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].channel, channel);
    EXPECT_EQ(ends[0].value, 7);
    FMOD_BOOL isPlaying = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &isPlaying), FMOD_ERR_STALE_HANDLE);

    FMOD_CHANNEL* again = play(beep, 3);
    EXPECT_NE(again, channel);
    run(0.1);
    ASSERT_EQ(FMOD_Channel_Stop(again), FMOD_OK);
    EXPECT_EQ(FMOD_Channel_Stop(again), FMOD_ERR_STALE_HANDLE);
    EXPECT_EQ(ends.size(), 1u);
    run(1.0);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[1].value, 3);
}

TEST_F(SoundLayer, ClipThatPlayedOutIsNotPlayingBeforeTheUpdateCollectsIt) {
    FMOD_CHANNEL* channel = play(load("beep.wav"));
    clock.advance(0.3);
    // Pausing makes the layer mix up to now; the beep is over but its handle is still valid.
    FMOD_CHANNELGROUP* master = nullptr;
    FMOD_System_GetMasterChannelGroup(system, &master);
    ASSERT_EQ(FMOD_ChannelGroup_SetPaused(master, 1), FMOD_OK);
    FMOD_BOOL isPlaying = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &isPlaying), FMOD_OK);
    EXPECT_FALSE(isPlaying);
    EXPECT_TRUE(ends.empty());
}

TEST_F(SoundLayer, DecodesWavOggAndFlacAndRefusesWhatItCannotRead) {
    const std::string garbage = "SoundLayerTest_garbage.wav";
    std::ofstream(garbage) << "RIFF but not really a sound at all";
    struct Case {
        std::string path;
        bool stream;
        FMOD_RESULT result;
        FMOD_TIMEUNIT unit;
        unsigned length;
    } cases[] = {{audioDir + "beep.wav", false, FMOD_OK, FMOD_TIMEUNIT_MS, 250},
                 {audioDir + "music.ogg", false, FMOD_OK, FMOD_TIMEUNIT_MS, 2000},
                 {audioDir + "chime.flac", false, FMOD_OK, FMOD_TIMEUNIT_MS, 500},
                 {audioDir + "chime.flac", true, FMOD_OK, FMOD_TIMEUNIT_PCM, 11025},
                 {"no/such/file.wav", false, FMOD_ERR_FILE_MISSING, FMOD_TIMEUNIT_MS, 0},
                 {"no/such/file.ogg", true, FMOD_ERR_FILE_MISSING, FMOD_TIMEUNIT_MS, 0},
                 {garbage, false, FMOD_ERR_FILE_UNDECODABLE, FMOD_TIMEUNIT_MS, 0},
                 {garbage, true, FMOD_ERR_FILE_UNDECODABLE, FMOD_TIMEUNIT_MS, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path);
        FMOD_SOUND* sound = reinterpret_cast<FMOD_SOUND*>(1);
        const char* path = test.path.c_str();
        EXPECT_EQ(test.stream ? FMOD_System_CreateStream(system, path, 0x48, nullptr, &sound)
                              : FMOD_System_CreateSound(system, path, 0x48, nullptr, &sound),
                  test.result);
        EXPECT_EQ(sound == nullptr, test.result != FMOD_OK);
        unsigned length = 0;
        FMOD_Sound_GetLength(sound, &length, test.unit);
        EXPECT_EQ(length, test.length);
    }
    std::remove(garbage.c_str());
}

TEST_F(SoundLayer, NullAndReleasedHandlesAreErrorsNotCrashes) {
    EXPECT_EQ(FMOD_System_Update(nullptr), FMOD_ERR_NULL_POINTER);
    EXPECT_EQ(FMOD_Channel_IsPlaying(nullptr, nullptr), FMOD_ERR_NULL_POINTER);

    FMOD_SOUND* chime = load("chime.flac");
    FMOD_CHANNEL* channel = play(chime);
    ASSERT_EQ(FMOD_Sound_Release(chime), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(chime), FMOD_ERR_STALE_HANDLE);
    FMOD_CHANNEL* none = nullptr;
    EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, chime, 0, &none),
              FMOD_ERR_STALE_HANDLE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(FMOD_Channel_SetVolume(channel, 0.5f), FMOD_ERR_STALE_HANDLE);
    // Releasing a playing sound ends its channel like a stop.
    ASSERT_EQ(FMOD_System_Update(system), FMOD_OK);
    EXPECT_EQ(ends.size(), 1u);

    FMOD_SYSTEM* uninitialised = nullptr;
    ASSERT_EQ(FMOD_System_Create(&uninitialised), FMOD_OK);
    EXPECT_EQ(FMOD_System_Update(uninitialised), FMOD_ERR_NOT_INITIALIZED);
    EXPECT_EQ(FMOD_System_Release(uninitialised), FMOD_OK);
    EXPECT_EQ(FMOD_System_Update(uninitialised), FMOD_ERR_STALE_HANDLE);
}

TEST_F(SoundLayer, ChannelGainIsItsGroupVolumeTimesTheMasters) {
    FMOD_CHANNELGROUP* master = nullptr;
    FMOD_CHANNELGROUP* clips = nullptr;
    ASSERT_EQ(FMOD_System_GetMasterChannelGroup(system, &master), FMOD_OK);
    ASSERT_EQ(FMOD_System_CreateChannelGroup(system, "AllClipChannels", &clips), FMOD_OK);
    ASSERT_EQ(FMOD_ChannelGroup_AddGroup(master, clips), FMOD_OK);
    ASSERT_EQ(FMOD_ChannelGroup_SetVolume(clips, 0.45f), FMOD_OK);
    FMOD_CHANNEL* channel = play(load("chime.flac"));
    ASSERT_EQ(FMOD_Channel_SetChannelGroup(channel, clips), FMOD_OK);
    float gain = 0.0f;
    ASSERT_EQ(FMOD_ChannelGroup_SetVolume(master, 0.5f), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetVolume(channel, 0.5f), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_GetMixVolume(channel, &gain), FMOD_OK);
    EXPECT_NEAR(gain, 0.1125f, 1e-5);
    EXPECT_EQ(FMOD_ChannelGroup_SetVolume(clips, 1.5f), FMOD_ERR_BAD_ARGUMENT);
    EXPECT_EQ(FMOD_ChannelGroup_AddGroup(clips, master), FMOD_ERR_GROUP_CYCLE);
    EXPECT_EQ(FMOD_ChannelGroup_AddGroup(clips, clips), FMOD_ERR_GROUP_CYCLE);

    // A released group hands its channels to the master.
    ASSERT_EQ(FMOD_ChannelGroup_Release(clips), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_GetMixVolume(channel, &gain), FMOD_OK);
    EXPECT_NEAR(gain, 0.25f, 1e-5);
    EXPECT_EQ(FMOD_ChannelGroup_Release(master), FMOD_ERR_BAD_ARGUMENT);
}

TEST_F(SoundLayer, PausingTheMasterHoldsClipsAndStreamsAndResumesWhereTheyWere) {
    FMOD_CHANNELGROUP* master = nullptr;
    FMOD_CHANNELGROUP* streams = nullptr;
    FMOD_System_GetMasterChannelGroup(system, &master);
    FMOD_System_CreateChannelGroup(system, "AllStreamChannels", &streams);
    FMOD_ChannelGroup_AddGroup(master, streams);
    FMOD_CHANNEL* clip = play(load("chime.flac"));
    FMOD_CHANNEL* music = play(load("music.ogg", true));
    FMOD_Channel_SetChannelGroup(music, streams);
    run(0.2);
    const unsigned clipBefore = position(clip);
    const unsigned musicBefore = position(music);
    ASSERT_EQ(FMOD_ChannelGroup_SetPaused(master, 1), FMOD_OK);
    run(3.0);
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(position(clip), clipBefore);
    EXPECT_EQ(position(music), musicBefore);

    ASSERT_EQ(FMOD_ChannelGroup_SetPaused(master, 0), FMOD_OK);
    run(0.1);
    EXPECT_NEAR(position(clip), clipBefore + 100, 30);
    EXPECT_NEAR(position(music), musicBefore + 100, 30);
    run(0.4);
    EXPECT_EQ(ends.size(), 1u);
}

TEST_F(SoundLayer, StreamLoopsInsideItsLoopPoints) {
    FMOD_SOUND* music = load("music.ogg", true);
    ASSERT_EQ(FMOD_Sound_SetMode(music, FMOD_LOOP_NORMAL), FMOD_OK);
    ASSERT_EQ(FMOD_Sound_SetLoopCount(music, -1), FMOD_OK);
    ASSERT_EQ(FMOD_Sound_SetLoopPoints(music, 500, FMOD_TIMEUNIT_MS, 1000, FMOD_TIMEUNIT_MS),
              FMOD_OK);
    unsigned start = 0;
    unsigned end = 0;
    ASSERT_EQ(FMOD_Sound_GetLoopPoints(music, &start, FMOD_TIMEUNIT_MS, &end, FMOD_TIMEUNIT_MS),
              FMOD_OK);
    EXPECT_EQ(start, 500u);
    EXPECT_EQ(end, 1000u);
    // An end past the 2 s sound means its end; a start that is not before the end is refused.
    struct Points {
        unsigned start, end;
        FMOD_RESULT result;
        unsigned readEnd;
    } points[] = {{0, 2001, FMOD_OK, 2000},
                  {1999, 9000, FMOD_OK, 2000},
                  {2000, 2001, FMOD_ERR_BAD_ARGUMENT, 2000},
                  {500, 1000, FMOD_OK, 1000}};
    for (const Points& row : points) {
        EXPECT_EQ(
            FMOD_Sound_SetLoopPoints(music, row.start, FMOD_TIMEUNIT_MS, row.end, FMOD_TIMEUNIT_MS),
            row.result)
            << row.start << ".." << row.end;
        FMOD_Sound_GetLoopPoints(music, &start, FMOD_TIMEUNIT_MS, &end, FMOD_TIMEUNIT_MS);
        EXPECT_EQ(end, row.readEnd) << row.start << ".." << row.end;
    }
    FMOD_CHANNEL* channel = play(music);
    run(0.9);
    unsigned lowest = 2000;
    unsigned highest = 0;
    for (int step = 0; step < 250; ++step) {
        run(0.016);
        const unsigned now = position(channel);
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

// A counted loop repeats its section that often, then plays on to the end of the sound.
TEST_F(SoundLayer, CountedLoopsEndAndAnEndlessLoopPlaysUntilStopped) {
    struct Case {
        const char* file;
        bool stream;
        int loops;
        unsigned sectionEnd;
        double lastsAbout;
    } cases[] = {{"music.ogg", true, 2, 400, 2.8}, {"beep.wav", false, 3, 250, 1.0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file);
        ends.clear();
        FMOD_SOUND* sound = load(test.file, test.stream);
        ASSERT_EQ(FMOD_Sound_SetMode(sound, FMOD_LOOP_NORMAL), FMOD_OK);
        FMOD_Sound_SetLoopCount(sound, test.loops);
        if (test.stream)
            FMOD_Sound_SetLoopPoints(sound, 0, FMOD_TIMEUNIT_MS, test.sectionEnd, FMOD_TIMEUNIT_MS);
        play(sound);
        run(test.lastsAbout - 0.06);
        EXPECT_TRUE(ends.empty());
        run(0.1);
        EXPECT_EQ(ends.size(), 1u);
        FMOD_Sound_SetLoopCount(sound, -1);
        FMOD_CHANNEL* forever = play(sound);
        run(5.0);
        EXPECT_TRUE(playing(forever));
        FMOD_Channel_Stop(forever);
        run(0.016);
    }
}

TEST_F(SoundLayer, StreamPlaysThroughItsBuffersToTheEndAndPlayingAgainRestartsIt) {
    FMOD_SOUND* music = load("music.ogg", true);
    FMOD_CHANNEL* first = play(music, 1);
    run(1.9);
    EXPECT_NEAR(position(first), 1900, 40);
    EXPECT_TRUE(ends.empty());
    FMOD_CHANNEL* second = play(music, 2);
    EXPECT_FALSE(playing(first));
    EXPECT_LT(position(second), 50u);
    run(1.9);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].value, 1);
    run(0.2);
    EXPECT_EQ(ends.size(), 2u);
}

TEST_F(SoundLayer, CallbackMayPlayAgainButMayNotReleaseTheSystem) {
    static FMOD_SYSTEM* current = nullptr;
    static FMOD_SOUND* beep = nullptr;
    static FMOD_RESULT releaseResult = FMOD_OK;
    static int replays = 0;
    current = system;
    beep = load("beep.wav");
    replays = 0;
    FMOD_CHANNEL* channel = nullptr;
    FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, beep, 0, &channel);
    FMOD_Channel_SetCallback(
        channel, FMOD_CHANNEL_CALLBACKTYPE_END,
        [](FMOD_CHANNEL*, FMOD_CHANNEL_CALLBACKTYPE, int) {
            releaseResult = FMOD_System_Release(current);
            FMOD_CHANNEL* again = nullptr;
            if (++replays < 3)
                FMOD_System_PlaySound(current, FMOD_CHANNEL_FREE, beep, 0, &again);
            return FMOD_OK;
        },
        0);
    run(2.0);
    EXPECT_EQ(replays, 1);
    EXPECT_EQ(releaseResult, FMOD_ERR_IN_CALLBACK);
    int channels = -1;
    ASSERT_EQ(FMOD_System_GetChannelsPlaying(system, &channels), FMOD_OK);
    EXPECT_EQ(channels, 0);
}

TEST_F(SoundLayer, BusyChannelsAreTakenOverOldestFirst) {
    FMOD_SYSTEM* small = nullptr;
    ASSERT_EQ(FMOD_System_Create(&small), FMOD_OK);
    FMOD_System_SetOutput(small, FMOD_OUTPUTTYPE_SILENT);
    ASSERT_EQ(FMOD_System_Init(small, 2, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    clock.attach(small);
    FMOD_SOUND* chime = nullptr;
    ASSERT_EQ(
        FMOD_System_CreateSound(small, (audioDir + "chime.flac").c_str(), 0x48, nullptr, &chime),
        FMOD_OK);
    std::vector<FMOD_CHANNEL*> channels(3);
    for (int index = 0; index < 3; ++index) {
        ASSERT_EQ(FMOD_System_PlaySound(small, FMOD_CHANNEL_FREE, chime, 0, &channels[index]),
                  FMOD_OK);
        FMOD_Channel_SetCallback(channels[index], FMOD_CHANNEL_CALLBACKTYPE_END, recordEnd, index);
    }
    EXPECT_FALSE(playing(channels[0]));
    EXPECT_TRUE(playing(channels[1]));
    ASSERT_EQ(FMOD_System_Update(small), FMOD_OK);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].value, 0);
    EXPECT_EQ(FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, chime, 0, &channels[0]),
              FMOD_ERR_WRONG_SYSTEM);
    EXPECT_EQ(FMOD_System_Release(small), FMOD_OK);
    // The first system still works after another was released.
    FMOD_CHANNEL* channel = play(load("beep.wav"));
    run(0.1);
    EXPECT_TRUE(playing(channel));
}

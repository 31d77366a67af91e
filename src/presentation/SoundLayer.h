#pragma once

// The program's flat sound interface. Everything audible goes through these functions; the
// managers and components never touch OpenAL or libsndfile themselves.
//
// Handles are opaque. A system owns every sound, channel and channel group created through it,
// and releasing the system releases them all. A channel handle stays valid while its channel
// plays (or is paused); once the channel ends, is stopped or is taken for another sound, every
// call on the old handle returns FMOD_ERR_STALE_HANDLE. Handles are never reused, so a stale
// handle can never reach a newer channel.
//
// Every function returns a result code; FMOD_ErrorString turns one into a sentence.
// Single-threaded: call everything from one thread. End-of-channel callbacks run on that thread,
// only from inside FMOD_System_Update.

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FMOD_SYSTEM FMOD_SYSTEM;
typedef struct FMOD_SOUND FMOD_SOUND;
typedef struct FMOD_CHANNEL FMOD_CHANNEL;
typedef struct FMOD_CHANNELGROUP FMOD_CHANNELGROUP;
// Extended creation information is not supported; pass a null pointer.
typedef struct FMOD_CREATESOUNDEXINFO FMOD_CREATESOUNDEXINFO;

typedef int FMOD_BOOL;

typedef enum FMOD_RESULT {
    FMOD_OK = 0,
    FMOD_ERR_NULL_POINTER,
    FMOD_ERR_BAD_ARGUMENT,
    FMOD_ERR_STALE_HANDLE,
    FMOD_ERR_WRONG_SYSTEM,
    FMOD_ERR_NOT_INITIALIZED,
    FMOD_ERR_ALREADY_INITIALIZED,
    FMOD_ERR_NO_OUTPUT,
    FMOD_ERR_OUTPUT_FAILED,
    FMOD_ERR_FILE_MISSING,
    FMOD_ERR_FILE_UNDECODABLE,
    FMOD_ERR_FILE_READ,
    FMOD_ERR_OUT_OF_MEMORY,
    FMOD_ERR_NOT_SUPPORTED,
    FMOD_ERR_SOUND_BUSY,
    FMOD_ERR_GROUP_CYCLE,
    FMOD_ERR_IN_CALLBACK,
    FMOD_RESULT_COUNT
} FMOD_RESULT;

// Sound modes (bit flags). Exactly one of the loop flags is in effect; a mode without either
// loops off.
typedef unsigned int FMOD_MODE;
#define FMOD_LOOP_OFF 0x00000001u
#define FMOD_LOOP_NORMAL 0x00000002u
#define FMOD_2D 0x00000008u
#define FMOD_SOFTWARE 0x00000040u

typedef unsigned int FMOD_INITFLAGS;
#define FMOD_INIT_NORMAL 0x00000000u

typedef unsigned int FMOD_TIMEUNIT;
#define FMOD_TIMEUNIT_MS 0x00000001u
// Sample frames at the sound's own rate.
#define FMOD_TIMEUNIT_PCM 0x00000002u

// Channel index for FMOD_System_PlaySound: a free channel, or when every channel is busy the
// one that has played longest (its end callback follows as for a stop).
typedef int FMOD_CHANNELINDEX;
#define FMOD_CHANNEL_FREE (-1)

typedef enum FMOD_CHANNEL_CALLBACKTYPE {
    FMOD_CHANNEL_CALLBACKTYPE_END = 0
} FMOD_CHANNEL_CALLBACKTYPE;

// Called from inside FMOD_System_Update once a channel has ended for any reason (played out,
// stopped, taken for another sound, its sound released). The handle is already stale: use it
// only as a key. userValue is the value given to FMOD_Channel_SetCallback. The callback may call
// any function of this interface except FMOD_System_Update and FMOD_System_Release.
typedef FMOD_RESULT (*FMOD_CHANNEL_CALLBACK)(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE type,
                                             int userValue);

// Output selection, before FMOD_System_Init. Autodetect opens the default sound device and falls
// back to the silent output when there is none; the environment variable VANTORIX_AUDIO_OUTPUT
// ("silent" or "device") overrides autodetection.
typedef enum FMOD_OUTPUTTYPE {
    FMOD_OUTPUTTYPE_AUTODETECT = 0,
    FMOD_OUTPUTTYPE_DEVICE,
    FMOD_OUTPUTTYPE_SILENT
} FMOD_OUTPUTTYPE;

// Seconds on any monotonic scale; the silent output mixes as much as this clock has advanced.
typedef double (*FMOD_CLOCK_CALLBACK)(void* userData);

const char* FMOD_ErrorString(FMOD_RESULT result);

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system);
FMOD_RESULT FMOD_System_SetOutput(FMOD_SYSTEM* system, FMOD_OUTPUTTYPE output);
FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int maxChannels, FMOD_INITFLAGS flags,
                             void* extraDriverData);
// The output actually in use after FMOD_System_Init (device or silent).
FMOD_RESULT FMOD_System_GetOutput(FMOD_SYSTEM* system, FMOD_OUTPUTTYPE* output);
// A readable description of the output, cut to nameLength - 1 characters.
FMOD_RESULT FMOD_System_GetOutputName(FMOD_SYSTEM* system, char* name, int nameLength);
// Replaces the silent output's clock (null restores real time). Time that passed before the call
// is mixed first, so no sound jumps.
FMOD_RESULT FMOD_System_SetSilentClock(FMOD_SYSTEM* system, FMOD_CLOCK_CALLBACK clock,
                                       void* userData);
// Mixes what is due, refills streams and delivers pending end callbacks.
FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* system);
FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system);
FMOD_RESULT FMOD_System_GetChannelsPlaying(FMOD_SYSTEM* system, int* channels);

FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM* system, const char* name,
                                           FMOD_CHANNELGROUP** group);
FMOD_RESULT FMOD_System_GetMasterChannelGroup(FMOD_SYSTEM* system, FMOD_CHANNELGROUP** group);
// A new group hangs under the master group until added elsewhere.
FMOD_RESULT FMOD_ChannelGroup_AddGroup(FMOD_CHANNELGROUP* group, FMOD_CHANNELGROUP* child);
// Its channels and subgroups move to the master group. The master group cannot be released.
FMOD_RESULT FMOD_ChannelGroup_Release(FMOD_CHANNELGROUP* group);
FMOD_RESULT FMOD_ChannelGroup_SetPaused(FMOD_CHANNELGROUP* group, FMOD_BOOL paused);
FMOD_RESULT FMOD_ChannelGroup_GetPaused(FMOD_CHANNELGROUP* group, FMOD_BOOL* paused);
FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* group, float volume);
FMOD_RESULT FMOD_ChannelGroup_GetVolume(FMOD_CHANNELGROUP* group, float* volume);

// A sound decoded whole into memory.
FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode,
                                    FMOD_CREATESOUNDEXINFO* extraInfo, FMOD_SOUND** sound);
// A sound decoded from its file while it plays; it plays on one channel at a time, and playing
// it again restarts it on a new channel.
FMOD_RESULT FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode,
                                     FMOD_CREATESOUNDEXINFO* extraInfo, FMOD_SOUND** sound);
// Channels read the mode, loop count and loop points when they start.
FMOD_RESULT FMOD_Sound_SetMode(FMOD_SOUND* sound, FMOD_MODE mode);
FMOD_RESULT FMOD_Sound_GetMode(FMOD_SOUND* sound, FMOD_MODE* mode);
// -1 loops for ever (the default), 0 plays once, n repeats the loop section n more times.
FMOD_RESULT FMOD_Sound_SetLoopCount(FMOD_SOUND* sound, int loopCount);
FMOD_RESULT FMOD_Sound_GetLoopCount(FMOD_SOUND* sound, int* loopCount);
// The looped section runs from loopStart up to loopEnd (default: the whole sound). A clip's loop
// points cannot change while one of its channels plays (FMOD_ERR_SOUND_BUSY).
FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND* sound, unsigned int loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit);
FMOD_RESULT FMOD_Sound_GetLoopPoints(FMOD_SOUND* sound, unsigned int* loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int* loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit);
FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND* sound, unsigned int* length, FMOD_TIMEUNIT unit);
// Stops the sound's channels (their end callbacks follow) and frees it.
FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound);

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX channelIndex,
                                  FMOD_SOUND* sound, FMOD_BOOL paused, FMOD_CHANNEL** channel);
// userValue is handed back to the callback; a null callback removes it.
FMOD_RESULT FMOD_Channel_SetCallback(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE type,
                                     FMOD_CHANNEL_CALLBACK callback, int userValue);
// A null group means the master group.
FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL* channel, FMOD_CHANNELGROUP* group);
FMOD_RESULT FMOD_Channel_GetChannelGroup(FMOD_CHANNEL* channel, FMOD_CHANNELGROUP** group);
// False once the channel has played out, even before the update that ends its handle.
FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channel, FMOD_BOOL* isPlaying);
FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL* channel);
FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channel, FMOD_BOOL paused);
FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL* channel, FMOD_BOOL* paused);
FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume);
FMOD_RESULT FMOD_Channel_GetVolume(FMOD_CHANNEL* channel, float* volume);
// The gain the mixer applies: the channel's volume times that of each group up to the master.
FMOD_RESULT FMOD_Channel_GetMixVolume(FMOD_CHANNEL* channel, float* volume);
// Whether the mixer holds the channel, by its own pause or any group's above it.
FMOD_RESULT FMOD_Channel_GetMixPaused(FMOD_CHANNEL* channel, FMOD_BOOL* paused);
// Position of what is heard now, within the sound.
FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL* channel, unsigned int* position,
                                     FMOD_TIMEUNIT unit);

#ifdef __cplusplus
}
#endif

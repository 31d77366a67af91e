#include "presentation/SoundLayer.h"

#include "presentation/SoundHandleTable.h"
#include "presentation/SoundSystem.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

using Kind = SoundHandleTable::Kind;

namespace {
template <typename T> struct KindOf;
template <> struct KindOf<SoundSystem> { static constexpr Kind value = Kind::System; };
template <> struct KindOf<SoundData> { static constexpr Kind value = Kind::Sound; };
template <> struct KindOf<SoundChannel> { static constexpr Kind value = Kind::Channel; };
template <> struct KindOf<SoundChannelGroup> { static constexpr Kind value = Kind::Group; };

// Runs action(object, system) on the live object of type T behind handle, with its system's
// context made current; a system is its own system and its context is left alone (it may not be
// initialised). Every entry point finds its objects through here, so all of them answer a null
// handle and a dead one the same way.
template <typename T, typename Action> FMOD_RESULT with(const void* handle, Action action) {
    if (!handle)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* system = nullptr;
    T* object = SoundHandleTable::find<T>(handle, KindOf<T>::value, &system);
    if (!object)
        return FMOD_ERR_STALE_HANDLE;
    if constexpr (std::is_same<T, SoundSystem>::value)
        system = object;
    else
        system->makeCurrent();
    return action(*object, *system);
}

// The same for a system that must be initialised.
template <typename Action> FMOD_RESULT withReadySystem(const void* handle, Action action) {
    return with<SoundSystem>(handle, [&](SoundSystem& system, SoundSystem&) -> FMOD_RESULT {
        if (!system.isInitialized())
            return FMOD_ERR_NOT_INITIALIZED;
        system.makeCurrent();
        return action(system);
    });
}

// Writes read(object) to out; a null out is refused before the handle is looked at.
template <typename T, typename Out, typename Read>
FMOD_RESULT get(const void* handle, Out* out, Read read) {
    if (!out)
        return FMOD_ERR_NULL_POINTER;
    return with<T>(handle, [&](T& object, SoundSystem&) -> FMOD_RESULT {
        *out = read(object);
        return FMOD_OK;
    });
}

bool validVolume(float volume) {
    return std::isfinite(volume) && volume >= 0.0f && volume <= 1.0f;
}

FMOD_RESULT createSound(FMOD_SYSTEM* systemHandle, const char* path, FMOD_MODE mode,
                        FMOD_CREATESOUNDEXINFO* extraInfo, FMOD_SOUND** sound, bool stream) {
    if (!path || !sound)
        return FMOD_ERR_NULL_POINTER;
    *sound = nullptr;
    if (extraInfo)
        return FMOD_ERR_NOT_SUPPORTED;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        SoundData* created = nullptr;
        FMOD_RESULT result = system.createSound(path, mode, stream, created);
        if (result == FMOD_OK)
            *sound = SoundHandleTable::toHandle<FMOD_SOUND>(created->getHandle());
        return result;
    });
}
} // namespace

extern "C" {

const char* FMOD_ErrorString(FMOD_RESULT result) {
    switch (result) {
    case FMOD_OK:
        return "No error.";
    case FMOD_ERR_NULL_POINTER:
        return "A required handle or output pointer was null.";
    case FMOD_ERR_BAD_ARGUMENT:
        return "An argument was outside the range the call accepts.";
    case FMOD_ERR_STALE_HANDLE:
        return "The handle no longer refers to anything: it was released, or its channel has "
               "ended.";
    case FMOD_ERR_WRONG_SYSTEM:
        return "The objects passed together belong to different sound systems.";
    case FMOD_ERR_NOT_INITIALIZED:
        return "The sound system has not been initialized yet.";
    case FMOD_ERR_ALREADY_INITIALIZED:
        return "The sound system is already initialized; this must happen before that.";
    case FMOD_ERR_NO_OUTPUT:
        return "No audio output could be opened, neither a sound device nor the silent output.";
    case FMOD_ERR_OUTPUT_FAILED:
        return "The audio output refused the request (it may be out of voices or buffers).";
    case FMOD_ERR_FILE_MISSING:
        return "The sound file does not exist or cannot be opened for reading.";
    case FMOD_ERR_FILE_UNDECODABLE:
        return "The file is not a sound in a format that can be decoded, or it holds no audio.";
    case FMOD_ERR_FILE_READ:
        return "Reading or decoding the sound file failed part-way through.";
    case FMOD_ERR_OUT_OF_MEMORY:
        return "There is not enough memory to hold the sound.";
    case FMOD_ERR_NOT_SUPPORTED:
        return "The requested mode, unit or option is not supported by this sound layer.";
    case FMOD_ERR_SOUND_BUSY:
        return "The sound is playing; stop its channels before changing this.";
    case FMOD_ERR_GROUP_CYCLE:
        return "The channel group cannot go there: a group cannot contain itself, and the master "
               "group has no parent.";
    case FMOD_ERR_IN_CALLBACK:
        return "This cannot be done from inside an end-of-channel callback.";
    case FMOD_RESULT_COUNT:
        break;
    }
    return "Unknown sound layer result code.";
}

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system) {
    if (!system)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* created = new SoundSystem();
    created->setHandle(SoundHandleTable::add(Kind::System, created, nullptr));
    *system = SoundHandleTable::toHandle<FMOD_SYSTEM>(created->getHandle());
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_SetOutput(FMOD_SYSTEM* systemHandle, FMOD_OUTPUTTYPE output) {
    return with<SoundSystem>(
        systemHandle, [&](SoundSystem& system, SoundSystem&) { return system.setOutput(output); });
}

FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* systemHandle, int maxChannels, FMOD_INITFLAGS flags,
                             void* extraDriverData) {
    return with<SoundSystem>(systemHandle, [&](SoundSystem& system, SoundSystem&) {
        if (flags != FMOD_INIT_NORMAL || extraDriverData)
            return FMOD_ERR_NOT_SUPPORTED;
        return system.init(maxChannels);
    });
}

FMOD_RESULT FMOD_System_GetOutput(FMOD_SYSTEM* systemHandle, FMOD_OUTPUTTYPE* output) {
    if (!output)
        return FMOD_ERR_NULL_POINTER;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        *output = system.getOutput().getType();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_GetOutputName(FMOD_SYSTEM* systemHandle, char* name, int nameLength) {
    if (!name)
        return FMOD_ERR_NULL_POINTER;
    if (nameLength < 1)
        return FMOD_ERR_BAD_ARGUMENT;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        const std::string& text = system.getOutput().getName();
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(nameLength - 1));
        std::memcpy(name, text.data(), length);
        name[length] = '\0';
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_SetSilentClock(FMOD_SYSTEM* systemHandle, FMOD_CLOCK_CALLBACK clock,
                                       void* userData) {
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        system.setSilentClock(clock, userData);
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* systemHandle) {
    return withReadySystem(systemHandle, [](SoundSystem& system) { return system.update(); });
}

FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* systemHandle) {
    return with<SoundSystem>(systemHandle, [](SoundSystem& system, SoundSystem&) {
        if (system.isDelivering())
            return FMOD_ERR_IN_CALLBACK;
        SoundHandleTable::remove(system.getHandle());
        delete &system;
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_GetChannelsPlaying(FMOD_SYSTEM* systemHandle, int* channels) {
    if (!channels)
        return FMOD_ERR_NULL_POINTER;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        *channels = system.countPlaying();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM* systemHandle, const char* name,
                                           FMOD_CHANNELGROUP** group) {
    if (!group)
        return FMOD_ERR_NULL_POINTER;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        SoundChannelGroup* created = system.createGroup(name ? name : "");
        *group = SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(created->getHandle());
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_GetMasterChannelGroup(FMOD_SYSTEM* systemHandle,
                                              FMOD_CHANNELGROUP** group) {
    if (!group)
        return FMOD_ERR_NULL_POINTER;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        *group = SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(system.getMaster().getHandle());
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_ChannelGroup_AddGroup(FMOD_CHANNELGROUP* groupHandle,
                                       FMOD_CHANNELGROUP* childHandle) {
    return with<SoundChannelGroup>(groupHandle, [&](SoundChannelGroup& group, SoundSystem& system) {
        return with<SoundChannelGroup>(childHandle,
                                       [&](SoundChannelGroup& child, SoundSystem& childSystem) {
                                           if (&system != &childSystem)
                                               return FMOD_ERR_WRONG_SYSTEM;
                                           system.makeCurrent();
                                           return system.addGroup(group, child);
                                       });
    });
}

FMOD_RESULT FMOD_ChannelGroup_Release(FMOD_CHANNELGROUP* groupHandle) {
    return with<SoundChannelGroup>(groupHandle, [](SoundChannelGroup& group, SoundSystem& system) {
        return system.releaseGroup(group);
    });
}

FMOD_RESULT FMOD_ChannelGroup_SetPaused(FMOD_CHANNELGROUP* groupHandle, FMOD_BOOL paused) {
    return with<SoundChannelGroup>(groupHandle, [&](SoundChannelGroup& group, SoundSystem& system) {
        // Mix up to now first: the pause (or the resume) takes effect from this moment.
        system.catchUp();
        group.paused = paused != 0;
        system.refreshMix();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_ChannelGroup_GetPaused(FMOD_CHANNELGROUP* groupHandle, FMOD_BOOL* paused) {
    return get<SoundChannelGroup>(groupHandle, paused,
                                  [](SoundChannelGroup& group) { return group.paused; });
}

FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* groupHandle, float volume) {
    return with<SoundChannelGroup>(groupHandle, [&](SoundChannelGroup& group, SoundSystem& system) {
        if (!validVolume(volume))
            return FMOD_ERR_BAD_ARGUMENT;
        group.volume = volume;
        system.refreshMix();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_ChannelGroup_GetVolume(FMOD_CHANNELGROUP* groupHandle, float* volume) {
    return get<SoundChannelGroup>(groupHandle, volume,
                                  [](SoundChannelGroup& group) { return group.volume; });
}

FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode,
                                    FMOD_CREATESOUNDEXINFO* extraInfo, FMOD_SOUND** sound) {
    return createSound(system, path, mode, extraInfo, sound, false);
}

FMOD_RESULT FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* path, FMOD_MODE mode,
                                     FMOD_CREATESOUNDEXINFO* extraInfo, FMOD_SOUND** sound) {
    return createSound(system, path, mode, extraInfo, sound, true);
}

FMOD_RESULT FMOD_Sound_SetMode(FMOD_SOUND* soundHandle, FMOD_MODE mode) {
    return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem&) {
        FMOD_RESULT result = SoundData::checkMode(mode);
        if (result == FMOD_OK)
            sound.setMode(mode);
        return result;
    });
}

FMOD_RESULT FMOD_Sound_GetMode(FMOD_SOUND* soundHandle, FMOD_MODE* mode) {
    return get<SoundData>(soundHandle, mode, [](SoundData& sound) { return sound.getMode(); });
}

FMOD_RESULT FMOD_Sound_SetLoopCount(FMOD_SOUND* soundHandle, int loopCount) {
    return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem&) {
        if (loopCount < -1)
            return FMOD_ERR_BAD_ARGUMENT;
        sound.setLoopCount(loopCount);
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Sound_GetLoopCount(FMOD_SOUND* soundHandle, int* loopCount) {
    return get<SoundData>(soundHandle, loopCount,
                          [](SoundData& sound) { return sound.getLoopCount(); });
}

FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND* soundHandle, unsigned int loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit) {
    return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem&) {
        std::int64_t start = 0;
        std::int64_t end = 0;
        if (!sound.toFrames(loopStart, loopStartUnit, start) ||
            !sound.toFrames(loopEnd, loopEndUnit, end))
            return FMOD_ERR_NOT_SUPPORTED;
        return sound.setLoopPoints(start, end);
    });
}

FMOD_RESULT FMOD_Sound_GetLoopPoints(FMOD_SOUND* soundHandle, unsigned int* loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int* loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit) {
    return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem&) {
        unsigned int start = 0;
        unsigned int end = 0;
        if (!sound.fromFrames(sound.getLoopStart(), loopStartUnit, start) ||
            !sound.fromFrames(sound.getLoopEnd(), loopEndUnit, end))
            return FMOD_ERR_NOT_SUPPORTED;
        // Either output may be left out.
        if (loopStart)
            *loopStart = start;
        if (loopEnd)
            *loopEnd = end;
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND* soundHandle, unsigned int* length,
                                 FMOD_TIMEUNIT unit) {
    if (!length)
        return FMOD_ERR_NULL_POINTER;
    return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem&) {
        return sound.fromFrames(sound.getFrameCount(), unit, *length) ? FMOD_OK
                                                                      : FMOD_ERR_NOT_SUPPORTED;
    });
}

FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* soundHandle) {
    return with<SoundData>(soundHandle, [](SoundData& sound, SoundSystem& system) {
        system.releaseSound(sound);
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* systemHandle, FMOD_CHANNELINDEX channelIndex,
                                  FMOD_SOUND* soundHandle, FMOD_BOOL paused,
                                  FMOD_CHANNEL** channel) {
    if (channel)
        *channel = nullptr;
    return withReadySystem(systemHandle, [&](SoundSystem& system) {
        return with<SoundData>(soundHandle, [&](SoundData& sound, SoundSystem& soundSystem) {
            if (&soundSystem != &system)
                return FMOD_ERR_WRONG_SYSTEM;
            system.makeCurrent();
            SoundChannel* started = nullptr;
            FMOD_RESULT result = system.play(channelIndex, sound, paused != 0, started);
            if (result == FMOD_OK && channel)
                *channel = SoundHandleTable::toHandle<FMOD_CHANNEL>(started->getHandle());
            return result;
        });
    });
}

FMOD_RESULT FMOD_Channel_SetCallback(FMOD_CHANNEL* channelHandle, FMOD_CHANNEL_CALLBACKTYPE type,
                                     FMOD_CHANNEL_CALLBACK callback, int userValue) {
    return with<SoundChannel>(channelHandle, [&](SoundChannel& channel, SoundSystem&) {
        if (type != FMOD_CHANNEL_CALLBACKTYPE_END)
            return FMOD_ERR_NOT_SUPPORTED;
        channel.endCallback = callback;
        channel.callbackValue = userValue;
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL* channelHandle,
                                         FMOD_CHANNELGROUP* groupHandle) {
    return with<SoundChannel>(channelHandle, [&](SoundChannel& channel, SoundSystem& system) {
        auto join = [&](SoundChannelGroup& group) {
            system.catchUp();
            channel.setGroup(group);
            return FMOD_OK;
        };
        if (!groupHandle)
            return join(system.getMaster());
        return with<SoundChannelGroup>(groupHandle,
                                       [&](SoundChannelGroup& group, SoundSystem& groupSystem) {
                                           if (&groupSystem != &system)
                                               return FMOD_ERR_WRONG_SYSTEM;
                                           system.makeCurrent();
                                           return join(group);
                                       });
    });
}

FMOD_RESULT FMOD_Channel_GetChannelGroup(FMOD_CHANNEL* channelHandle, FMOD_CHANNELGROUP** group) {
    return get<SoundChannel>(channelHandle, group, [](SoundChannel& channel) {
        return SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(channel.getGroup()->getHandle());
    });
}

FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channelHandle, FMOD_BOOL* isPlaying) {
    return get<SoundChannel>(channelHandle, isPlaying, [](SoundChannel& channel) {
        return static_cast<FMOD_BOOL>(!channel.hasPlayedOut());
    });
}

FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL* channelHandle) {
    return with<SoundChannel>(channelHandle, [](SoundChannel& channel, SoundSystem& system) {
        system.stop(channel);
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL paused) {
    return with<SoundChannel>(channelHandle, [&](SoundChannel& channel, SoundSystem& system) {
        system.catchUp();
        channel.paused = paused != 0;
        channel.applyMix();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL* paused) {
    return get<SoundChannel>(channelHandle, paused,
                             [](SoundChannel& channel) { return channel.paused; });
}

FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channelHandle, float volume) {
    return with<SoundChannel>(channelHandle, [&](SoundChannel& channel, SoundSystem&) {
        if (!validVolume(volume))
            return FMOD_ERR_BAD_ARGUMENT;
        channel.volume = volume;
        channel.applyMix();
        return FMOD_OK;
    });
}

FMOD_RESULT FMOD_Channel_GetVolume(FMOD_CHANNEL* channelHandle, float* volume) {
    return get<SoundChannel>(channelHandle, volume,
                             [](SoundChannel& channel) { return channel.volume; });
}

FMOD_RESULT FMOD_Channel_GetMixVolume(FMOD_CHANNEL* channelHandle, float* volume) {
    return get<SoundChannel>(channelHandle, volume,
                             [](SoundChannel& channel) { return channel.getSourceGain(); });
}

FMOD_RESULT FMOD_Channel_GetMixPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL* paused) {
    return get<SoundChannel>(channelHandle, paused,
                             [](SoundChannel& channel) { return channel.isSourceHeld(); });
}

FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL* channelHandle, unsigned int* position,
                                     FMOD_TIMEUNIT unit) {
    if (!position)
        return FMOD_ERR_NULL_POINTER;
    return with<SoundChannel>(channelHandle, [&](SoundChannel& channel, SoundSystem&) {
        return channel.getSound()->fromFrames(channel.getPositionFrames(), unit, *position)
                   ? FMOD_OK
                   : FMOD_ERR_NOT_SUPPORTED;
    });
}

} // extern "C"

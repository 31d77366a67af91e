#include "presentation/SoundLayer.h"

#include "presentation/SoundHandleTable.h"
#include "presentation/SoundSystem.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using Kind = SoundHandleTable::Kind;

namespace {
// Finds a live object of the given kind and makes its system's context current.
template <typename T>
FMOD_RESULT resolve(const void* handle, Kind kind, T*& object, SoundSystem*& system) {
    if (!handle)
        return FMOD_ERR_NULL_POINTER;
    object = SoundHandleTable::find<T>(handle, kind, &system);
    if (!object)
        return FMOD_ERR_STALE_HANDLE;
    if (system)
        system->makeCurrent();
    return FMOD_OK;
}

FMOD_RESULT resolveSystem(FMOD_SYSTEM* handle, SoundSystem*& system) {
    SoundSystem* none = nullptr;
    FMOD_RESULT result = resolve(handle, Kind::System, system, none);
    if (result != FMOD_OK)
        return result;
    if (!system->isInitialized())
        return FMOD_ERR_NOT_INITIALIZED;
    system->makeCurrent();
    return FMOD_OK;
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
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result != FMOD_OK)
        return result;
    SoundData* created = nullptr;
    result = system->createSound(path, mode, stream, created);
    if (result == FMOD_OK)
        *sound = SoundHandleTable::toHandle<FMOD_SOUND>(created->getHandle());
    return result;
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
    SoundSystem* system = nullptr;
    SoundSystem* none = nullptr;
    FMOD_RESULT result = resolve(systemHandle, Kind::System, system, none);
    return result == FMOD_OK ? system->setOutput(output) : result;
}

FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* systemHandle, int maxChannels, FMOD_INITFLAGS flags,
                             void* extraDriverData) {
    SoundSystem* system = nullptr;
    SoundSystem* none = nullptr;
    FMOD_RESULT result = resolve(systemHandle, Kind::System, system, none);
    if (result != FMOD_OK)
        return result;
    if (flags != FMOD_INIT_NORMAL || extraDriverData)
        return FMOD_ERR_NOT_SUPPORTED;
    return system->init(maxChannels);
}

FMOD_RESULT FMOD_System_GetOutput(FMOD_SYSTEM* systemHandle, FMOD_OUTPUTTYPE* output) {
    if (!output)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result == FMOD_OK)
        *output = system->getOutput().getType();
    return result;
}

FMOD_RESULT FMOD_System_GetOutputName(FMOD_SYSTEM* systemHandle, char* name, int nameLength) {
    if (!name)
        return FMOD_ERR_NULL_POINTER;
    if (nameLength < 1)
        return FMOD_ERR_BAD_ARGUMENT;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result != FMOD_OK)
        return result;
    const std::string& text = system->getOutput().getName();
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(nameLength - 1));
    std::memcpy(name, text.data(), length);
    name[length] = '\0';
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_SetSilentClock(FMOD_SYSTEM* systemHandle, FMOD_CLOCK_CALLBACK clock,
                                       void* userData) {
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result == FMOD_OK)
        system->setSilentClock(clock, userData);
    return result;
}

FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* systemHandle) {
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    return result == FMOD_OK ? system->update() : result;
}

FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* systemHandle) {
    SoundSystem* system = nullptr;
    SoundSystem* none = nullptr;
    FMOD_RESULT result = resolve(systemHandle, Kind::System, system, none);
    if (result != FMOD_OK)
        return result;
    if (system->isDelivering())
        return FMOD_ERR_IN_CALLBACK;
    SoundHandleTable::remove(system->getHandle());
    delete system;
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_GetChannelsPlaying(FMOD_SYSTEM* systemHandle, int* channels) {
    if (!channels)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result == FMOD_OK)
        *channels = system->countPlaying();
    return result;
}

FMOD_RESULT FMOD_System_CreateChannelGroup(FMOD_SYSTEM* systemHandle, const char* name,
                                           FMOD_CHANNELGROUP** group) {
    if (!group)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result != FMOD_OK)
        return result;
    SoundChannelGroup* created = system->createGroup(name ? name : "");
    *group = SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(created->getHandle());
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_GetMasterChannelGroup(FMOD_SYSTEM* systemHandle,
                                              FMOD_CHANNELGROUP** group) {
    if (!group)
        return FMOD_ERR_NULL_POINTER;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result == FMOD_OK)
        *group = SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(system->getMaster().getHandle());
    return result;
}

FMOD_RESULT FMOD_ChannelGroup_AddGroup(FMOD_CHANNELGROUP* groupHandle,
                                       FMOD_CHANNELGROUP* childHandle) {
    SoundChannelGroup* group = nullptr;
    SoundChannelGroup* child = nullptr;
    SoundSystem* system = nullptr;
    SoundSystem* childSystem = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    if (result == FMOD_OK)
        result = resolve(childHandle, Kind::Group, child, childSystem);
    if (result != FMOD_OK)
        return result;
    if (system != childSystem)
        return FMOD_ERR_WRONG_SYSTEM;
    system->makeCurrent();
    return system->addGroup(*group, *child);
}

FMOD_RESULT FMOD_ChannelGroup_Release(FMOD_CHANNELGROUP* groupHandle) {
    SoundChannelGroup* group = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    return result == FMOD_OK ? system->releaseGroup(*group) : result;
}

FMOD_RESULT FMOD_ChannelGroup_SetPaused(FMOD_CHANNELGROUP* groupHandle, FMOD_BOOL paused) {
    SoundChannelGroup* group = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    if (result != FMOD_OK)
        return result;
    // Mix up to now first: the pause (or the resume) takes effect from this moment.
    system->catchUp();
    group->paused = paused != 0;
    system->refreshMix();
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_GetPaused(FMOD_CHANNELGROUP* groupHandle, FMOD_BOOL* paused) {
    if (!paused)
        return FMOD_ERR_NULL_POINTER;
    SoundChannelGroup* group = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    if (result == FMOD_OK)
        *paused = group->paused;
    return result;
}

FMOD_RESULT FMOD_ChannelGroup_SetVolume(FMOD_CHANNELGROUP* groupHandle, float volume) {
    SoundChannelGroup* group = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    if (result != FMOD_OK)
        return result;
    if (!validVolume(volume))
        return FMOD_ERR_BAD_ARGUMENT;
    group->volume = volume;
    system->refreshMix();
    return FMOD_OK;
}

FMOD_RESULT FMOD_ChannelGroup_GetVolume(FMOD_CHANNELGROUP* groupHandle, float* volume) {
    if (!volume)
        return FMOD_ERR_NULL_POINTER;
    SoundChannelGroup* group = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(groupHandle, Kind::Group, group, system);
    if (result == FMOD_OK)
        *volume = group->volume;
    return result;
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
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result == FMOD_OK)
        result = SoundData::checkMode(mode);
    if (result == FMOD_OK)
        sound->setMode(mode);
    return result;
}

FMOD_RESULT FMOD_Sound_GetMode(FMOD_SOUND* soundHandle, FMOD_MODE* mode) {
    if (!mode)
        return FMOD_ERR_NULL_POINTER;
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result == FMOD_OK)
        *mode = sound->getMode();
    return result;
}

FMOD_RESULT FMOD_Sound_SetLoopCount(FMOD_SOUND* soundHandle, int loopCount) {
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result != FMOD_OK)
        return result;
    if (loopCount < -1)
        return FMOD_ERR_BAD_ARGUMENT;
    sound->setLoopCount(loopCount);
    return FMOD_OK;
}

FMOD_RESULT FMOD_Sound_GetLoopCount(FMOD_SOUND* soundHandle, int* loopCount) {
    if (!loopCount)
        return FMOD_ERR_NULL_POINTER;
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result == FMOD_OK)
        *loopCount = sound->getLoopCount();
    return result;
}

FMOD_RESULT FMOD_Sound_SetLoopPoints(FMOD_SOUND* soundHandle, unsigned int loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit) {
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result != FMOD_OK)
        return result;
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (!sound->toFrames(loopStart, loopStartUnit, start) ||
        !sound->toFrames(loopEnd, loopEndUnit, end))
        return FMOD_ERR_NOT_SUPPORTED;
    return sound->setLoopPoints(start, end);
}

FMOD_RESULT FMOD_Sound_GetLoopPoints(FMOD_SOUND* soundHandle, unsigned int* loopStart,
                                     FMOD_TIMEUNIT loopStartUnit, unsigned int* loopEnd,
                                     FMOD_TIMEUNIT loopEndUnit) {
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result != FMOD_OK)
        return result;
    unsigned int start = 0;
    unsigned int end = 0;
    if (!sound->fromFrames(sound->getLoopStart(), loopStartUnit, start) ||
        !sound->fromFrames(sound->getLoopEnd(), loopEndUnit, end))
        return FMOD_ERR_NOT_SUPPORTED;
    // Either output may be left out.
    if (loopStart)
        *loopStart = start;
    if (loopEnd)
        *loopEnd = end;
    return FMOD_OK;
}

FMOD_RESULT FMOD_Sound_GetLength(FMOD_SOUND* soundHandle, unsigned int* length,
                                 FMOD_TIMEUNIT unit) {
    if (!length)
        return FMOD_ERR_NULL_POINTER;
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result != FMOD_OK)
        return result;
    return sound->fromFrames(sound->getFrameCount(), unit, *length) ? FMOD_OK
                                                                    : FMOD_ERR_NOT_SUPPORTED;
}

FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* soundHandle) {
    SoundData* sound = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(soundHandle, Kind::Sound, sound, system);
    if (result == FMOD_OK)
        system->releaseSound(*sound);
    return result;
}

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* systemHandle, FMOD_CHANNELINDEX channelIndex,
                                  FMOD_SOUND* soundHandle, FMOD_BOOL paused,
                                  FMOD_CHANNEL** channel) {
    if (channel)
        *channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolveSystem(systemHandle, system);
    if (result != FMOD_OK)
        return result;
    SoundData* sound = nullptr;
    SoundSystem* soundSystem = nullptr;
    result = resolve(soundHandle, Kind::Sound, sound, soundSystem);
    if (result != FMOD_OK)
        return result;
    if (soundSystem != system)
        return FMOD_ERR_WRONG_SYSTEM;
    system->makeCurrent();
    SoundChannel* started = nullptr;
    result = system->play(channelIndex, *sound, paused != 0, started);
    if (result == FMOD_OK && channel)
        *channel = SoundHandleTable::toHandle<FMOD_CHANNEL>(started->getHandle());
    return result;
}

FMOD_RESULT FMOD_Channel_SetCallback(FMOD_CHANNEL* channelHandle, FMOD_CHANNEL_CALLBACKTYPE type,
                                     FMOD_CHANNEL_CALLBACK callback, int userValue) {
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result != FMOD_OK)
        return result;
    if (type != FMOD_CHANNEL_CALLBACKTYPE_END)
        return FMOD_ERR_NOT_SUPPORTED;
    channel->endCallback = callback;
    channel->callbackValue = userValue;
    return FMOD_OK;
}

FMOD_RESULT FMOD_Channel_SetChannelGroup(FMOD_CHANNEL* channelHandle,
                                         FMOD_CHANNELGROUP* groupHandle) {
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result != FMOD_OK)
        return result;
    SoundChannelGroup* group = &system->getMaster();
    if (groupHandle) {
        SoundSystem* groupSystem = nullptr;
        result = resolve(groupHandle, Kind::Group, group, groupSystem);
        if (result != FMOD_OK)
            return result;
        if (groupSystem != system)
            return FMOD_ERR_WRONG_SYSTEM;
        system->makeCurrent();
    }
    system->catchUp();
    channel->setGroup(*group);
    return FMOD_OK;
}

FMOD_RESULT FMOD_Channel_GetChannelGroup(FMOD_CHANNEL* channelHandle, FMOD_CHANNELGROUP** group) {
    if (!group)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *group = SoundHandleTable::toHandle<FMOD_CHANNELGROUP>(channel->getGroup()->getHandle());
    return result;
}

FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channelHandle, FMOD_BOOL* isPlaying) {
    if (!isPlaying)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *isPlaying = !channel->hasPlayedOut();
    return result;
}

FMOD_RESULT FMOD_Channel_Stop(FMOD_CHANNEL* channelHandle) {
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        system->stop(*channel);
    return result;
}

FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL paused) {
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result != FMOD_OK)
        return result;
    system->catchUp();
    channel->paused = paused != 0;
    channel->applyMix();
    return FMOD_OK;
}

FMOD_RESULT FMOD_Channel_GetPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL* paused) {
    if (!paused)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *paused = channel->paused;
    return result;
}

FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channelHandle, float volume) {
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result != FMOD_OK)
        return result;
    if (!validVolume(volume))
        return FMOD_ERR_BAD_ARGUMENT;
    channel->volume = volume;
    channel->applyMix();
    return FMOD_OK;
}

FMOD_RESULT FMOD_Channel_GetVolume(FMOD_CHANNEL* channelHandle, float* volume) {
    if (!volume)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *volume = channel->volume;
    return result;
}

FMOD_RESULT FMOD_Channel_GetMixVolume(FMOD_CHANNEL* channelHandle, float* volume) {
    if (!volume)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *volume = channel->getSourceGain();
    return result;
}

FMOD_RESULT FMOD_Channel_GetMixPaused(FMOD_CHANNEL* channelHandle, FMOD_BOOL* paused) {
    if (!paused)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result == FMOD_OK)
        *paused = channel->isSourceHeld();
    return result;
}

FMOD_RESULT FMOD_Channel_GetPosition(FMOD_CHANNEL* channelHandle, unsigned int* position,
                                     FMOD_TIMEUNIT unit) {
    if (!position)
        return FMOD_ERR_NULL_POINTER;
    SoundChannel* channel = nullptr;
    SoundSystem* system = nullptr;
    FMOD_RESULT result = resolve(channelHandle, Kind::Channel, channel, system);
    if (result != FMOD_OK)
        return result;
    return channel->getSound()->fromFrames(channel->getPositionFrames(), unit, *position)
               ? FMOD_OK
               : FMOD_ERR_NOT_SUPPORTED;
}

} // extern "C"

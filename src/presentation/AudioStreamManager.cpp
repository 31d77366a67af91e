#include "presentation/AudioStreamManager.h"

#include "core/LogFile.h"
#include "presentation/AudioManager.h"

namespace {
void log(const std::string& message, int level, bool copyToMainLog = false) {
    AudioManager::writeLog(message, level, copyToMainLog);
}
std::string text(FMOD_RESULT result) {
    return AudioManager::errorText(result);
}
} // namespace

void AudioStreamManager::fail(const std::string& message) {
    if (streamGroup)
        FMOD_ChannelGroup_Release(streamGroup);
    streamGroup = nullptr;
    log(message, LogFile::Important, true);
    throw myexception(message);
}

AudioStreamManager::AudioStreamManager() {
    AudioManager* audio = AudioManager::getSingletonPtr();
    if (!audio)
        throw myexception("No AudioManager.");
    FMOD_RESULT result =
        FMOD_System_CreateChannelGroup(audio->getSystem(), "AllStreamChannels", &streamGroup);
    if (result != FMOD_OK)
        fail("Error creating FMOD ChannelGroup: " + text(result) + ", aborting initialization.");
    result = FMOD_ChannelGroup_AddGroup(audio->getMasterGroup(), streamGroup);
    if (result != FMOD_OK)
        fail("Error adding ChannelGroup as subgroup of master group: " + text(result) +
             ", aborting initialization.");
    log("Initialized audio stream manager.", LogFile::Important, true);
}

AudioStreamManager::~AudioStreamManager() {
    for (auto& entry : streams) {
        if (!entry.second.sound)
            continue;
        FMOD_RESULT result = FMOD_Sound_Release(entry.second.sound);
        if (result != FMOD_OK)
            log("error closing audio stream: " + text(result) + ".", LogFile::Important);
    }
    FMOD_RESULT result = FMOD_ChannelGroup_Release(streamGroup);
    if (result != FMOD_OK)
        log("Error releasing channel group: " + text(result) + ".", LogFile::Important);
    log("Audio stream manager shut down.", LogFile::Important, true);
}

void AudioStreamManager::createStream(const std::string& path) {
    StreamRecord& record = streams[path];
    if (record.sound)
        return;
    FMOD_RESULT result =
        FMOD_System_CreateStream(AudioManager::getSingleton().getSystem(), path.c_str(),
                                 FMOD_2D | FMOD_SOFTWARE, nullptr, &record.sound);
    if (result != FMOD_OK) {
        record.sound = nullptr;
        log("Error creating stream " + path + ": " + text(result) + ".", LogFile::Important);
        return;
    }
    log("Created audio stream " + path + ".", LogFile::Information);
}

void AudioStreamManager::releaseStream(const std::string& path) {
    auto found = streams.find(path);
    if (found == streams.end())
        return;
    StreamRecord& record = found->second;
    if (record.sound) {
        // Releasing ends the channel; forgetting it now lets a stream made again for the same
        // path play before the next update delivers that end.
        forgetChannel(record);
        FMOD_RESULT result = FMOD_Sound_Release(record.sound);
        if (result != FMOD_OK)
            log("Error releasing stream " + path + ": " + text(result) + ".", LogFile::Important);
        record.sound = nullptr;
    }
    log("Released audio stream " + path + ".", LogFile::Information);
}

void AudioStreamManager::addReference(const std::string& path) {
    createStream(path);
    ++streams[path].references;
}

void AudioStreamManager::dropReference(const std::string& path) {
    auto found = streams.find(path);
    if (found == streams.end() || found->second.references == 0)
        return;
    if (--found->second.references > 0)
        return;
    // Released even when stopping fails: the sound must not outlive its last holder.
    struct Release {
        AudioStreamManager& manager;
        const std::string& path;
        ~Release() { manager.releaseStream(path); }
    } release{*this, path};
    stop(path);
}

std::size_t AudioStreamManager::referenceCount(const std::string& path) const {
    auto found = streams.find(path);
    return found == streams.end() ? 0 : found->second.references;
}

void AudioStreamManager::play(const std::string& path) {
    auto found = streams.find(path);
    if (found == streams.end() || !found->second.sound || found->second.playing)
        return;
    StreamRecord& record = found->second;
    auto check = [](FMOD_RESULT result) {
        if (result != FMOD_OK)
            throw myexception(text(result));
    };
    FMOD_CHANNEL* channel = nullptr;
    check(FMOD_System_PlaySound(AudioManager::getSingleton().getSystem(), FMOD_CHANNEL_FREE,
                                record.sound, 0, &channel));
    record.channel = channel;
    streamOfChannel[channel] = path;
    check(FMOD_Channel_SetCallback(channel, FMOD_CHANNEL_CALLBACKTYPE_END, channelEnded, 0));
    record.playing = true;
    check(FMOD_Channel_SetChannelGroup(channel, streamGroup));
    log("Started playing audio stream " + path + ".", LogFile::Detail);
}

void AudioStreamManager::stop(const std::string& path) {
    auto found = streams.find(path);
    if (found == streams.end() || !found->second.sound || !found->second.playing)
        return;
    StreamRecord& record = found->second;
    FMOD_CHANNEL* channel = record.channel;
    // Free for a new play at once rather than after the next update's end callback.
    forgetChannel(record);
    FMOD_BOOL playing = 0;
    if (FMOD_Channel_IsPlaying(channel, &playing) == FMOD_OK && playing) {
        FMOD_RESULT result = FMOD_Channel_Stop(channel);
        if (result != FMOD_OK) {
            const std::string message =
                "Error stopping audio stream " + path + ": " + text(result) + ".";
            log(message, LogFile::Important);
            throw myexception(message);
        }
    }
    log("Stopped playing audio stream " + path + ".", LogFile::Detail);
}

void AudioStreamManager::setLooping(const std::string& path, bool loop) {
    auto found = streams.find(path);
    if (found == streams.end() || !found->second.sound)
        return;
    FMOD_SOUND* sound = found->second.sound;
    FMOD_RESULT result = FMOD_Sound_SetMode(sound, loop ? FMOD_LOOP_NORMAL : FMOD_LOOP_OFF);
    if (result == FMOD_OK)
        result = FMOD_Sound_SetLoopCount(sound, -1);
    if (result != FMOD_OK)
        log("Error setting looping of audio stream " + path + ": " + text(result) + ".",
            LogFile::Important);
}

FMOD_SOUND* AudioStreamManager::getSound(const std::string& path) const {
    auto found = streams.find(path);
    return found == streams.end() ? nullptr : found->second.sound;
}

bool AudioStreamManager::isPlaying(const std::string& path) const {
    auto found = streams.find(path);
    return found != streams.end() && found->second.playing;
}

void AudioStreamManager::forgetChannel(StreamRecord& record) {
    if (record.channel)
        streamOfChannel.erase(record.channel);
    record.channel = nullptr;
    record.playing = false;
}

FMOD_RESULT AudioStreamManager::channelEnded(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE,
                                             int) {
    AudioStreamManager* manager = getSingletonPtr();
    if (!manager)
        return FMOD_OK;
    auto found = manager->streamOfChannel.find(channel);
    if (found == manager->streamOfChannel.end())
        return FMOD_OK;
    auto stream = manager->streams.find(found->second);
    manager->streamOfChannel.erase(found);
    if (stream != manager->streams.end() && stream->second.channel == channel) {
        stream->second.channel = nullptr;
        stream->second.playing = false;
    }
    return FMOD_OK;
}

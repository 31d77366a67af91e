#include "presentation/AudioClipManager.h"

#include "presentation/AudioClip.h"
#include "presentation/AudioManager.h"

#include <algorithm>
#include <iostream>

namespace {
FMOD_MODE loopMode(bool loop) {
    return loop ? FMOD_LOOP_NORMAL : FMOD_LOOP_OFF;
}
} // namespace

void AudioClipManager::check(FMOD_RESULT result) {
    if (result != FMOD_OK)
        throw myexception(AudioManager::errorText(result));
}

AudioClipManager::AudioClipManager() {
    AudioManager* audio = AudioManager::getSingletonPtr();
    if (!audio)
        throw myexception("no audio manager.");
    check(FMOD_System_CreateChannelGroup(audio->getSystem(), "AllClipChannels", &clipGroup));
    check(FMOD_ChannelGroup_AddGroup(audio->getMasterGroup(), clipGroup));
}

AudioClipManager::~AudioClipManager() {
    try {
        while (!clips.empty()) {
            const std::string path = clips.begin()->first;
            unloadClip(path);
            clips.erase(path);
        }
    } catch (const std::exception& error) {
        std::cerr << "Error releasing sound clips: " << error.what() << std::endl;
    }
    FMOD_RESULT result = FMOD_ChannelGroup_Release(clipGroup);
    if (result != FMOD_OK)
        std::cerr << "Error releasing channel group: " << AudioManager::errorText(result)
                  << std::endl;
}

void AudioClipManager::addRef(AudioClip& reference) {
    clips[reference.getPath()].references.push_back(&reference);
}

void AudioClipManager::release(AudioClip& reference) {
    auto found = clips.find(reference.getPath());
    // A reference made under an earlier manager is not on any list here.
    if (found == clips.end())
        return;
    std::list<const AudioClip*>& references = found->second.references;
    auto listed = std::find(references.begin(), references.end(), &reference);
    if (listed == references.end())
        return;
    references.erase(listed);
    forgetChannel(reference);
    if (!references.empty())
        return;
    FMOD_SOUND* sound = found->second.sound;
    clips.erase(found);
    if (sound)
        check(FMOD_Sound_Release(sound));
}

void AudioClipManager::loadClip(const std::string& path) {
    ClipRecord& record = clips[path];
    if (record.sound)
        return;
    AudioManager& audio = AudioManager::getSingleton();
    FMOD_SOUND* sound = nullptr;
    check(FMOD_System_CreateSound(audio.getSystem(), path.c_str(), FMOD_2D | FMOD_SOFTWARE, nullptr,
                                  &sound));
    record.sound = sound;
    check(FMOD_Sound_SetMode(sound, loopMode(record.loop)));
}

void AudioClipManager::unloadClip(const std::string& path) {
    auto found = clips.find(path);
    if (found == clips.end())
        return;
    for (const AudioClip* reference : found->second.references)
        stop(*reference);
    FMOD_SOUND* sound = found->second.sound;
    found->second.sound = nullptr;
    if (sound)
        check(FMOD_Sound_Release(sound));
}

void AudioClipManager::play(const AudioClip& reference) {
    if (reference.getPath().empty() || channelOfReference.count(&reference))
        return;
    loadClip(reference.getPath());
    AudioManager& audio = AudioManager::getSingleton();
    FMOD_CHANNEL* channel = nullptr;
    check(FMOD_System_PlaySound(audio.getSystem(), FMOD_CHANNEL_FREE,
                                clips[reference.getPath()].sound, 0, &channel));
    channelOfReference[&reference] = channel;
    referenceOfChannel[channel] = &reference;
    check(FMOD_Channel_SetCallback(channel, FMOD_CHANNEL_CALLBACKTYPE_END, channelEnded, 0));
    check(FMOD_Channel_SetChannelGroup(channel, clipGroup));
}

void AudioClipManager::stop(const AudioClip& reference) {
    auto found = channelOfReference.find(&reference);
    if (found == channelOfReference.end())
        return;
    FMOD_CHANNEL* channel = found->second;
    // The reference is free again at once, so a play straight after the stop starts anew
    // instead of waiting for the end callback of the next update.
    forgetChannel(reference);
    FMOD_BOOL playing = 0;
    if (FMOD_Channel_IsPlaying(channel, &playing) == FMOD_OK && playing)
        check(FMOD_Channel_Stop(channel));
}

bool AudioClipManager::isPlaying(const AudioClip& reference) const {
    return channelOfReference.count(&reference) != 0;
}

void AudioClipManager::setLoop(const std::string& path, bool loop) {
    auto found = clips.find(path);
    if (found == clips.end() || found->second.loop == loop)
        return;
    found->second.loop = loop;
    if (found->second.sound)
        check(FMOD_Sound_SetMode(found->second.sound, loopMode(loop)));
}

bool AudioClipManager::isLoaded(const std::string& path) const {
    auto found = clips.find(path);
    return found != clips.end() && found->second.sound;
}

std::size_t AudioClipManager::referenceCount(const std::string& path) const {
    auto found = clips.find(path);
    return found == clips.end() ? 0 : found->second.references.size();
}

void AudioClipManager::forgetChannel(const AudioClip& reference) {
    auto found = channelOfReference.find(&reference);
    if (found == channelOfReference.end())
        return;
    referenceOfChannel.erase(found->second);
    channelOfReference.erase(found);
}

FMOD_RESULT AudioClipManager::channelEnded(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE, int) {
    AudioClipManager* manager = getSingletonPtr();
    if (!manager)
        return FMOD_OK;
    auto found = manager->referenceOfChannel.find(channel);
    if (found != manager->referenceOfChannel.end()) {
        manager->channelOfReference.erase(found->second);
        manager->referenceOfChannel.erase(found);
    }
    return FMOD_OK;
}

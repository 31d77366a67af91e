#pragma once

#include "core/Singleton.h"
#include "presentation/SoundLayer.h"

#include <list>
#include <map>
#include <string>

class AudioClip;

// Short sound effects, shared by file path among counted AudioClip references and played in the
// channel group "AllClipChannels" under the master group. A clip's sound is loaded on its first
// play (or by loadClip) and released when its last reference goes.
//
// Made with new after the AudioManager (which deletes it). Sound-layer failures are raised as
// myexception with the layer's error text.
class AudioClipManager : public Singleton<AudioClipManager> {
public:
    // Raises "no audio manager." without an AudioManager.
    AudioClipManager();
    ~AudioClipManager();

    void addRef(AudioClip& reference);
    // At the last reference the sound is released and the record forgotten.
    void release(AudioClip& reference);
    void loadClip(const std::string& path);
    void unloadClip(const std::string& path);
    // Nothing for an empty path or for a reference that is already playing.
    void play(const AudioClip& reference);
    void stop(const AudioClip& reference);
    bool isPlaying(const AudioClip& reference) const;
    void setLoop(const std::string& path, bool loop);

    FMOD_CHANNELGROUP* getChannelGroup() const { return clipGroup; }
    // Whether a record exists for path and whether its sound is loaded; for inspection.
    bool isKnown(const std::string& path) const { return clips.count(path) != 0; }
    bool isLoaded(const std::string& path) const;
    std::size_t referenceCount(const std::string& path) const;

private:
    struct ClipRecord {
        std::list<const AudioClip*> references;
        FMOD_SOUND* sound = nullptr;
        bool loop = false;
    };

    static FMOD_RESULT channelEnded(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE type,
                                    int userValue);
    void forgetChannel(const AudioClip& reference);
    static void check(FMOD_RESULT result);

    std::map<std::string, ClipRecord> clips;
    std::map<const AudioClip*, FMOD_CHANNEL*> channelOfReference;
    std::map<FMOD_CHANNEL*, const AudioClip*> referenceOfChannel;
    FMOD_CHANNELGROUP* clipGroup = nullptr;
};

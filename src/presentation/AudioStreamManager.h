#pragma once

#include "core/Singleton.h"
#include "presentation/SoundLayer.h"

#include <map>
#include <string>

// Music, streamed from disk and shared by file path among counted AudioStream references, played
// in the channel group "AllStreamChannels" under the master group. A stream that failed to open
// has no sound; playing or stopping it does nothing.
//
// Made with new after the AudioManager (which deletes it). Messages go to "AudioSystemLog.txt".
class AudioStreamManager : public Singleton<AudioStreamManager> {
public:
    // Raises "No AudioManager." without an AudioManager, or the logged failure message when its
    // channel group cannot be made.
    AudioStreamManager();
    ~AudioStreamManager();

    void createStream(const std::string& path);
    void releaseStream(const std::string& path);
    // Counted holders: the first creates the stream; the last one out stops and releases it.
    // A path this manager does not count (held since an earlier manager) is left alone.
    void addReference(const std::string& path);
    void dropReference(const std::string& path);
    std::size_t referenceCount(const std::string& path) const;
    // Play and stop raise sound-layer failures as myexception.
    void play(const std::string& path);
    void stop(const std::string& path);
    void setLooping(const std::string& path, bool loop);

    FMOD_CHANNELGROUP* getChannelGroup() const { return streamGroup; }
    // The stream's sound, or null when it has none; valid until the stream is released.
    FMOD_SOUND* getSound(const std::string& path) const;
    bool isPlaying(const std::string& path) const;

private:
    struct StreamRecord {
        FMOD_SOUND* sound = nullptr;
        FMOD_CHANNEL* channel = nullptr;
        bool playing = false;
        std::size_t references = 0;
    };

    static FMOD_RESULT channelEnded(FMOD_CHANNEL* channel, FMOD_CHANNEL_CALLBACKTYPE type,
                                    int userValue);
    void forgetChannel(StreamRecord& record);
    void fail(const std::string& message);

    std::map<std::string, StreamRecord> streams;
    std::map<FMOD_CHANNEL*, std::string> streamOfChannel;
    FMOD_CHANNELGROUP* streamGroup = nullptr;
};

#pragma once

#include "presentation/SoundChannel.h"
#include "presentation/SoundChannelGroup.h"
#include "presentation/SoundData.h"
#include "presentation/SoundLayer.h"
#include "presentation/SoundOutput.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Everything behind one FMOD_SYSTEM handle: the output, the channels, the channel groups (the
// master first) and the sounds, all owned here and freed with the system. Channel ends are
// recorded as they are found and their callbacks run from update() only.
class SoundSystem {
public:
    SoundSystem() = default;
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    std::uintptr_t getHandle() const { return handle; }
    void setHandle(std::uintptr_t newHandle) { handle = newHandle; }
    bool isInitialized() const { return initialized; }
    bool isDelivering() const { return delivering; }
    FMOD_RESULT setOutput(FMOD_OUTPUTTYPE output);
    FMOD_RESULT init(int maxChannels);
    const SoundOutput& getOutput() const { return output; }
    void setSilentClock(FMOD_CLOCK_CALLBACK clock, void* userData);

    FMOD_RESULT update();
    // Mixes what the silent output owes and refills streams; called before anything that
    // changes what is heard, so the change lands at the right moment.
    void catchUp();
    void makeCurrent() { output.makeCurrent(); }

    SoundChannelGroup& getMaster() { return *groups.front(); }
    SoundChannelGroup* createGroup(const std::string& name);
    FMOD_RESULT addGroup(SoundChannelGroup& parent, SoundChannelGroup& child);
    FMOD_RESULT releaseGroup(SoundChannelGroup& group);
    // After a group's volume or pause changed.
    void refreshMix();

    FMOD_RESULT createSound(const std::string& path, FMOD_MODE mode, bool stream,
                            SoundData*& sound);
    void releaseSound(SoundData& sound);

    FMOD_RESULT play(FMOD_CHANNELINDEX index, SoundData& sound, bool paused,
                     SoundChannel*& channel);
    void stop(SoundChannel& channel) { endChannel(channel, true); }
    int countPlaying() const;

private:
    struct PendingEnd {
        std::uintptr_t channel;
        FMOD_CHANNEL_CALLBACK callback;
        int value;
    };

    SoundChannel* chooseChannel(FMOD_CHANNELINDEX index);
    void endChannel(SoundChannel& channel, bool notify);
    void releaseEverything();

    std::uintptr_t handle = 0;
    FMOD_OUTPUTTYPE requestedOutput = FMOD_OUTPUTTYPE_AUTODETECT;
    SoundOutput output;
    bool initialized = false;
    bool delivering = false;
    std::uint64_t playCounter = 0;
    std::vector<std::unique_ptr<SoundChannel>> channels;
    std::vector<std::unique_ptr<SoundChannelGroup>> groups;
    std::vector<std::unique_ptr<SoundData>> sounds;
    std::vector<PendingEnd> pendingEnds;
};

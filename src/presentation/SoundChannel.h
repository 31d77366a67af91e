#pragma once

#include "presentation/SoundLayer.h"

#include <cstdint>
#include <deque>
#include <vector>

class SoundData;
class SoundChannelGroup;
class SoundSystem;

// One voice of a system, bound to an OpenAL source for the system's lifetime. While active it
// plays one sound; a clip through the sound's shared buffer, a stream through a small queue of
// buffers that pump() refills from the stream's decoder, wrapping at the loop points.
class SoundChannel {
public:
    explicit SoundChannel(SoundSystem* owner) : owner(owner) {}
    // The system makes its context current first.
    ~SoundChannel();
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;

    bool isActive() const { return handle != 0; }
    std::uintptr_t getHandle() const { return handle; }
    SoundData* getSound() const { return sound; }
    SoundChannelGroup* getGroup() const { return group; }
    std::uint64_t getStartOrder() const { return startOrder; }

    FMOD_RESULT start(SoundData& sound, SoundChannelGroup& group, bool paused, std::uint64_t order);
    // Silences the channel and forgets its sound; its handle goes stale.
    void halt();
    // Keeps a stream's queue full (restarting after an underrun) and counts a clip's loops.
    void pump();
    // The sound reached its end (the handle stays valid until the system collects it).
    bool hasPlayedOut() const;
    // Brings the source's gain and pause state in line with the channel and its groups.
    void applyMix();
    void setGroup(SoundChannelGroup& newGroup);

    std::int64_t getPositionFrames() const;
    float getMixVolume() const;
    bool getMixPaused() const;
    // What OpenAL itself holds: the source's gain, and whether it is kept from playing.
    float getSourceGain() const;
    bool isSourceHeld() const;

    float volume = 1.0f;
    bool paused = false;
    FMOD_CHANNEL_CALLBACK endCallback = nullptr;
    int callbackValue = 0;

private:
    struct Segment {
        int bufferFrame;
        std::int64_t soundFrame;
    };
    struct StreamBuffer {
        unsigned int name = 0;
        int frames = 0;
        // Where each stretch of the buffer came from in the sound; a buffer that crosses a loop
        // wrap holds two.
        std::vector<Segment> segments;
    };

    bool ensureSource();
    bool ensureStreamBuffers();
    void startStream();
    bool fillStreamBuffer(StreamBuffer& buffer);
    void pumpStream();
    void pumpClip();
    int sourceState() const;

    SoundSystem* owner;
    std::uintptr_t handle = 0;
    unsigned int source = 0;
    SoundData* sound = nullptr;
    SoundChannelGroup* group = nullptr;
    std::uint64_t startOrder = 0;

    // Clips looping a finite number of times.
    int clipLoopsLeft = -1;
    int lastClipOffset = 0;

    std::vector<StreamBuffer> streamBuffers;
    std::deque<StreamBuffer*> queued;
    std::vector<StreamBuffer*> spare;
    std::vector<std::int16_t> pcm;
    std::int64_t decodePosition = 0;
    bool streamLooping = false;
    int streamLoopsLeft = -1;
    bool decodeFinished = false;
    bool producedSinceWrap = false;
};

#pragma once

#include "presentation/SoundDecoder.h"
#include "presentation/SoundLayer.h"

#include <cstdint>
#include <memory>
#include <string>

// One sound of a system: a clip decoded whole into an OpenAL buffer that any number of channels
// share, or a stream that keeps its file open and is decoded by the one channel playing it.
class SoundData {
public:
    explicit SoundData(bool stream);
    // The system makes its context current and ends the sound's channels first.
    ~SoundData();
    SoundData(const SoundData&) = delete;
    SoundData& operator=(const SoundData&) = delete;

    FMOD_RESULT load(const std::string& path, FMOD_MODE mode);
    static FMOD_RESULT checkMode(FMOD_MODE mode);

    std::uintptr_t getHandle() const { return handle; }
    void setHandle(std::uintptr_t newHandle) { handle = newHandle; }
    bool isStream() const { return stream; }
    const std::string& getPath() const { return path; }

    FMOD_MODE getMode() const { return mode; }
    void setMode(FMOD_MODE newMode);
    bool isLooping() const { return (mode & FMOD_LOOP_NORMAL) != 0; }
    int getLoopCount() const { return loopCount; }
    void setLoopCount(int count) { loopCount = count; }
    std::int64_t getLoopStart() const { return loopStart; }
    std::int64_t getLoopEnd() const { return loopEnd; }
    FMOD_RESULT setLoopPoints(std::int64_t start, std::int64_t end);

    int getSampleRate() const { return sampleRate; }
    int getChannels() const { return channels; }
    std::int64_t getFrameCount() const { return frameCount; }
    // Converts between the interface's time units and sample frames of this sound.
    bool toFrames(unsigned int value, FMOD_TIMEUNIT unit, std::int64_t& frames) const;
    bool fromFrames(std::int64_t frames, FMOD_TIMEUNIT unit, unsigned int& value) const;

    unsigned int getBuffer() const { return buffer; }
    SoundDecoder* getDecoder() { return decoder.get(); }

    // Channels playing the sound now.
    int activeChannels = 0;

private:
    FMOD_RESULT decodeWhole();

    bool stream;
    std::uintptr_t handle = 0;
    std::string path;
    FMOD_MODE mode = FMOD_LOOP_OFF;
    int loopCount = -1;
    std::int64_t loopStart = 0;
    // Exclusive: the loop section ends just before this frame.
    std::int64_t loopEnd = 0;
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frameCount = 0;
    unsigned int buffer = 0;
    std::unique_ptr<SoundDecoder> decoder;
};

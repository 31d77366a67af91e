#pragma once

#include "presentation/SoundLayer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

// Reads a sound file (any format libsndfile knows: WAV, Ogg Vorbis, FLAC, ...) as 16-bit
// interleaved frames of one or two channels. Files with more channels give their first two.
class SoundDecoder {
public:
    // FMOD_ERR_FILE_MISSING when the file cannot be opened, FMOD_ERR_FILE_UNDECODABLE when it is
    // not a sound this can read or holds no frames.
    static FMOD_RESULT open(const std::string& path, std::unique_ptr<SoundDecoder>& decoder);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    int getChannels() const { return outputChannels; }
    int getSampleRate() const { return sampleRate; }
    std::int64_t getFrameCount() const { return frameCount; }

    // Reads up to frames frames into out (frames * getChannels() samples); returns the number
    // read, short only at the end of the file or on a read error (then failed() is true).
    std::int64_t read(std::int16_t* out, std::int64_t frames);
    bool seek(std::int64_t frame);
    bool failed() const { return readFailed; }

private:
    SoundDecoder() = default;

    SNDFILE* file = nullptr;
    int fileChannels = 0;
    int outputChannels = 0;
    int sampleRate = 0;
    std::int64_t frameCount = 0;
    bool readFailed = false;
    std::vector<std::int16_t> wideFrames;
};

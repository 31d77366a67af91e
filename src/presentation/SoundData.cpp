#include "presentation/SoundData.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <limits>
#include <vector>

namespace {
constexpr FMOD_MODE loopFlags = FMOD_LOOP_OFF | FMOD_LOOP_NORMAL;
constexpr FMOD_MODE knownFlags = loopFlags | FMOD_2D | FMOD_SOFTWARE;
} // namespace

SoundData::SoundData(bool stream) : stream(stream) {}

SoundData::~SoundData() {
    if (buffer)
        alDeleteBuffers(1, &buffer);
}

FMOD_RESULT SoundData::checkMode(FMOD_MODE mode) {
    if (mode & ~knownFlags)
        return FMOD_ERR_NOT_SUPPORTED;
    if ((mode & loopFlags) == loopFlags)
        return FMOD_ERR_BAD_ARGUMENT;
    return FMOD_OK;
}

void SoundData::setMode(FMOD_MODE newMode) {
    // A mode without loop flags keeps the current loop behaviour, as only the loop part varies
    // once a sound exists.
    if (!(newMode & loopFlags))
        newMode |= mode & loopFlags;
    mode = newMode;
}

FMOD_RESULT SoundData::load(const std::string& filePath, FMOD_MODE newMode) {
    path = filePath;
    mode = (newMode & loopFlags) ? newMode : (newMode | FMOD_LOOP_OFF);
    FMOD_RESULT result = SoundDecoder::open(path, decoder);
    if (result != FMOD_OK)
        return result;
    sampleRate = decoder->getSampleRate();
    channels = decoder->getChannels();
    frameCount = decoder->getFrameCount();
    loopStart = 0;
    loopEnd = frameCount;
    if (stream)
        return FMOD_OK;
    result = decodeWhole();
    decoder.reset();
    return result;
}

FMOD_RESULT SoundData::decodeWhole() {
    const std::int64_t samples = frameCount * channels;
    if (samples > std::numeric_limits<ALsizei>::max() / 2)
        return FMOD_ERR_OUT_OF_MEMORY;
    std::vector<std::int16_t> pcm;
    try {
        pcm.resize(static_cast<std::size_t>(samples));
    } catch (const std::bad_alloc&) {
        return FMOD_ERR_OUT_OF_MEMORY;
    }
    std::int64_t got = decoder->read(pcm.data(), frameCount);
    if (decoder->failed() || got <= 0)
        return FMOD_ERR_FILE_READ;
    // Some containers announce more frames than they hold; keep what was really there.
    frameCount = got;
    loopEnd = frameCount;
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) {
        buffer = 0;
        return FMOD_ERR_OUTPUT_FAILED;
    }
    alBufferData(buffer, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm.data(),
                 static_cast<ALsizei>(got * channels * sizeof(std::int16_t)), sampleRate);
    return alGetError() == AL_NO_ERROR ? FMOD_OK : FMOD_ERR_OUTPUT_FAILED;
}

FMOD_RESULT SoundData::setLoopPoints(std::int64_t start, std::int64_t end) {
    // An end a little past the last frame (rounded milliseconds) means the end of the sound.
    if (end > frameCount)
        end = frameCount;
    if (start < 0 || start >= end)
        return FMOD_ERR_BAD_ARGUMENT;
    if (!stream) {
        // OpenAL refuses new loop points on a buffer a source holds.
        if (activeChannels > 0)
            return FMOD_ERR_SOUND_BUSY;
        const ALint points[2] = {static_cast<ALint>(start), static_cast<ALint>(end)};
        alGetError();
        alBufferiv(buffer, AL_LOOP_POINTS_SOFT, points);
        if (alGetError() != AL_NO_ERROR)
            return FMOD_ERR_OUTPUT_FAILED;
    }
    loopStart = start;
    loopEnd = end;
    return FMOD_OK;
}

bool SoundData::toFrames(unsigned int value, FMOD_TIMEUNIT unit, std::int64_t& frames) const {
    if (unit == FMOD_TIMEUNIT_PCM)
        frames = value;
    else if (unit == FMOD_TIMEUNIT_MS)
        frames = static_cast<std::int64_t>(value) * sampleRate / 1000;
    else
        return false;
    return true;
}

bool SoundData::fromFrames(std::int64_t frames, FMOD_TIMEUNIT unit, unsigned int& value) const {
    if (unit == FMOD_TIMEUNIT_PCM)
        value = static_cast<unsigned int>(frames);
    else if (unit == FMOD_TIMEUNIT_MS)
        value = static_cast<unsigned int>((frames * 1000 + sampleRate / 2) / sampleRate);
    else
        return false;
    return true;
}

#include "presentation/SoundChannel.h"

#include "presentation/SoundChannelGroup.h"
#include "presentation/SoundData.h"
#include "presentation/SoundHandleTable.h"

#include <AL/al.h>

#include <algorithm>

namespace {
// Four quarter-second buffers: a second of sound survives a stalled update.
constexpr int streamBufferCount = 4;
constexpr int streamBuffersPerSecond = 4;
} // namespace

SoundChannel::~SoundChannel() {
    halt();
    if (source)
        alDeleteSources(1, &source);
    for (StreamBuffer& buffer : streamBuffers)
        alDeleteBuffers(1, &buffer.name);
}

bool SoundChannel::ensureSource() {
    if (source)
        return true;
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) {
        source = 0;
        return false;
    }
    // Two-dimensional sound: no distance attenuation, no panning by position.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    return true;
}

bool SoundChannel::ensureStreamBuffers() {
    if (!streamBuffers.empty())
        return true;
    streamBuffers.resize(streamBufferCount);
    alGetError();
    for (StreamBuffer& buffer : streamBuffers)
        alGenBuffers(1, &buffer.name);
    if (alGetError() == AL_NO_ERROR)
        return true;
    for (StreamBuffer& buffer : streamBuffers)
        if (buffer.name)
            alDeleteBuffers(1, &buffer.name);
    streamBuffers.clear();
    return false;
}

FMOD_RESULT SoundChannel::start(SoundData& newSound, SoundChannelGroup& newGroup, bool startPaused,
                                std::uint64_t order) {
    if (!ensureSource() || (newSound.isStream() && !ensureStreamBuffers()))
        return FMOD_ERR_OUTPUT_FAILED;
    sound = &newSound;
    group = &newGroup;
    startOrder = order;
    volume = 1.0f;
    paused = startPaused;
    endCallback = nullptr;
    callbackValue = 0;
    ++sound->activeChannels;
    handle = SoundHandleTable::add(SoundHandleTable::Kind::Channel, this, owner);
    // Back to the initial state: a channel started paused must not look played out.
    alSourceRewind(source);

    const bool loops = sound->isLooping() && sound->getLoopCount() != 0;
    if (sound->isStream()) {
        streamLooping = loops;
        streamLoopsLeft = sound->getLoopCount();
        startStream();
    } else {
        alSourcei(source, AL_BUFFER, static_cast<ALint>(sound->getBuffer()));
        alSourcei(source, AL_LOOPING, loops ? AL_TRUE : AL_FALSE);
        clipLoopsLeft = loops ? sound->getLoopCount() : 0;
        lastClipOffset = 0;
    }
    alSourcef(source, AL_GAIN, getMixVolume());
    if (!getMixPaused())
        alSourcePlay(source);
    return FMOD_OK;
}

void SoundChannel::startStream() {
    alSourcei(source, AL_LOOPING, AL_FALSE);
    queued.clear();
    spare.clear();
    decodePosition = 0;
    decodeFinished = false;
    producedSinceWrap = false;
    sound->getDecoder()->seek(0);
    for (StreamBuffer& buffer : streamBuffers) {
        if (fillStreamBuffer(buffer)) {
            alSourceQueueBuffers(source, 1, &buffer.name);
            queued.push_back(&buffer);
        } else {
            spare.push_back(&buffer);
        }
    }
}

bool SoundChannel::fillStreamBuffer(StreamBuffer& buffer) {
    SoundDecoder& decoder = *sound->getDecoder();
    const int channels = sound->getChannels();
    const int capacity = std::max(1, sound->getSampleRate() / streamBuffersPerSecond);
    pcm.resize(static_cast<std::size_t>(capacity) * channels);
    buffer.frames = 0;
    buffer.segments.clear();
    while (buffer.frames < capacity && !decodeFinished) {
        const std::int64_t sectionEnd =
            streamLooping ? sound->getLoopEnd() : sound->getFrameCount();
        if (decodePosition >= sectionEnd) {
            // A loop section that yields nothing would spin here for ever.
            if (!streamLooping || !producedSinceWrap) {
                decodeFinished = true;
                break;
            }
            decodePosition = sound->getLoopStart();
            producedSinceWrap = false;
            if (!decoder.seek(decodePosition)) {
                decodeFinished = true;
                break;
            }
            if (streamLoopsLeft > 0 && --streamLoopsLeft == 0)
                streamLooping = false;
            continue;
        }
        const std::int64_t wanted =
            std::min<std::int64_t>(capacity - buffer.frames, sectionEnd - decodePosition);
        const std::int64_t got = decoder.read(pcm.data() + buffer.frames * channels, wanted);
        if (got > 0) {
            buffer.segments.push_back(Segment{buffer.frames, decodePosition});
            buffer.frames += static_cast<int>(got);
            decodePosition += got;
            producedSinceWrap = true;
        }
        if (got < wanted) {
            // The file ended early or could not be read further: treat it as the section's end.
            if (decoder.failed() || !streamLooping)
                decodeFinished = true;
            else
                decodePosition = sectionEnd;
        }
    }
    if (buffer.frames == 0)
        return false;
    alBufferData(buffer.name, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm.data(),
                 static_cast<ALsizei>(buffer.frames * channels * sizeof(std::int16_t)),
                 sound->getSampleRate());
    return true;
}

void SoundChannel::halt() {
    if (!handle)
        return;
    alSourceStop(source);
    // Detaching releases the clip buffer (and the whole queue) for the sound's own changes.
    alSourcei(source, AL_BUFFER, 0);
    queued.clear();
    spare.clear();
    SoundHandleTable::remove(handle);
    handle = 0;
    --sound->activeChannels;
    sound = nullptr;
    group = nullptr;
    endCallback = nullptr;
}

int SoundChannel::sourceState() const {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

void SoundChannel::pump() {
    if (!handle)
        return;
    if (sound->isStream())
        pumpStream();
    else
        pumpClip();
}

void SoundChannel::pumpClip() {
    if (clipLoopsLeft <= 0)
        return;
    ALint offset = 0;
    alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
    if (offset < lastClipOffset && --clipLoopsLeft == 0)
        alSourcei(source, AL_LOOPING, AL_FALSE);
    lastClipOffset = offset;
}

void SoundChannel::pumpStream() {
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0 && !queued.empty(); --processed) {
        StreamBuffer* buffer = queued.front();
        alSourceUnqueueBuffers(source, 1, &buffer->name);
        queued.pop_front();
        spare.push_back(buffer);
    }
    while (!spare.empty() && !decodeFinished) {
        StreamBuffer* buffer = spare.back();
        if (!fillStreamBuffer(*buffer))
            break;
        spare.pop_back();
        alSourceQueueBuffers(source, 1, &buffer->name);
        queued.push_back(buffer);
    }
    // The queue ran dry before new data arrived: carry on rather than end.
    if (!queued.empty() && sourceState() == AL_STOPPED && !getMixPaused())
        alSourcePlay(source);
}

bool SoundChannel::hasPlayedOut() const {
    if (!handle || sourceState() != AL_STOPPED)
        return false;
    if (!sound->isStream())
        return true;
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    return decodeFinished && static_cast<std::size_t>(processed) >= queued.size();
}

void SoundChannel::applyMix() {
    if (!handle)
        return;
    alSourcef(source, AL_GAIN, getMixVolume());
    const int state = sourceState();
    if (getMixPaused()) {
        if (state == AL_PLAYING)
            alSourcePause(source);
    } else if (state == AL_PAUSED || state == AL_INITIAL) {
        alSourcePlay(source);
    }
}

void SoundChannel::setGroup(SoundChannelGroup& newGroup) {
    group = &newGroup;
    applyMix();
}

float SoundChannel::getMixVolume() const {
    return volume * (group ? group->mixVolume() : 1.0f);
}

bool SoundChannel::getMixPaused() const {
    return paused || (group && group->mixPaused());
}

std::int64_t SoundChannel::getPositionFrames() const {
    if (!handle)
        return 0;
    ALint offset = 0;
    alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
    if (!sound->isStream())
        return offset;
    // The offset counts from the start of the oldest buffer still queued.
    for (const StreamBuffer* buffer : queued) {
        if (offset < buffer->frames) {
            const Segment* current = &buffer->segments.front();
            for (const Segment& segment : buffer->segments)
                if (segment.bufferFrame <= offset)
                    current = &segment;
            return current->soundFrame + (offset - current->bufferFrame);
        }
        offset -= buffer->frames;
    }
    return decodePosition;
}

float SoundChannel::getSourceGain() const {
    ALfloat gain = 0.0f;
    alGetSourcef(source, AL_GAIN, &gain);
    return gain;
}

bool SoundChannel::isSourceHeld() const {
    const int state = sourceState();
    return state == AL_PAUSED || state == AL_INITIAL;
}

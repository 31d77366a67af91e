#include "presentation/SoundDecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>

namespace {
bool fileCanBeRead(const std::string& path) {
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe)
        return false;
    std::fclose(probe);
    return true;
}
} // namespace

FMOD_RESULT SoundDecoder::open(const std::string& path, std::unique_ptr<SoundDecoder>& decoder) {
    // libsndfile reports a missing file and a foreign format alike; the caller's message should
    // tell them apart.
    if (!fileCanBeRead(path))
        return FMOD_ERR_FILE_MISSING;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return FMOD_ERR_FILE_UNDECODABLE;
    if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0) {
        sf_close(file);
        return FMOD_ERR_FILE_UNDECODABLE;
    }
    std::unique_ptr<SoundDecoder> opened(new SoundDecoder());
    opened->file = file;
    opened->fileChannels = info.channels;
    opened->outputChannels = std::min(info.channels, 2);
    opened->sampleRate = info.samplerate;
    opened->frameCount = info.frames;
    decoder = std::move(opened);
    return FMOD_OK;
}

SoundDecoder::~SoundDecoder() {
    if (file)
        sf_close(file);
}

std::int64_t SoundDecoder::read(std::int16_t* out, std::int64_t frames) {
    if (frames <= 0)
        return 0;
    if (fileChannels == outputChannels) {
        sf_count_t got = sf_readf_short(file, out, frames);
        if (got < frames && sf_error(file) != SF_ERR_NO_ERROR)
            readFailed = true;
        return got;
    }
    wideFrames.resize(static_cast<std::size_t>(frames * fileChannels));
    sf_count_t got = sf_readf_short(file, wideFrames.data(), frames);
    if (got < frames && sf_error(file) != SF_ERR_NO_ERROR)
        readFailed = true;
    for (sf_count_t frame = 0; frame < got; ++frame)
        for (int channel = 0; channel < outputChannels; ++channel)
            out[frame * outputChannels + channel] = wideFrames[frame * fileChannels + channel];
    return got;
}

bool SoundDecoder::seek(std::int64_t frame) {
    if (sf_seek(file, frame, SEEK_SET) < 0) {
        readFailed = true;
        return false;
    }
    return true;
}

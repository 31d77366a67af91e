#include "presentation/SoundOutput.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int silentRate = 44100;
// A stalled process (a debugger, a suspended laptop) is not made up for beyond this.
constexpr std::int64_t maximumCatchUpFrames = silentRate * 10;

FMOD_OUTPUTTYPE outputFromEnvironment() {
    const char* chosen = std::getenv("VANTORIX_AUDIO_OUTPUT");
    if (!chosen)
        return FMOD_OUTPUTTYPE_AUTODETECT;
    if (std::strcmp(chosen, "silent") == 0)
        return FMOD_OUTPUTTYPE_SILENT;
    if (std::strcmp(chosen, "device") == 0)
        return FMOD_OUTPUTTYPE_DEVICE;
    return FMOD_OUTPUTTYPE_AUTODETECT;
}

LPALCLOOPBACKOPENDEVICESOFT loopbackOpen() {
    return reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
}
} // namespace

SoundOutput::~SoundOutput() {
    close();
}

FMOD_RESULT SoundOutput::open(FMOD_OUTPUTTYPE requested, int sources) {
    if (requested == FMOD_OUTPUTTYPE_AUTODETECT)
        requested = outputFromEnvironment();
    if (requested != FMOD_OUTPUTTYPE_SILENT && openDevice(sources))
        return FMOD_OK;
    if (requested == FMOD_OUTPUTTYPE_DEVICE)
        return FMOD_ERR_NO_OUTPUT;
    return openLoopback(sources) ? FMOD_OK : FMOD_ERR_NO_OUTPUT;
}

bool SoundOutput::openDevice(int sources) {
    device = alcOpenDevice(nullptr);
    if (!device)
        return false;
    const ALCint attributes[] = {ALC_MONO_SOURCES, sources, ALC_STEREO_SOURCES, sources, 0};
    context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        close();
        return false;
    }
    type = FMOD_OUTPUTTYPE_DEVICE;
    const ALCchar* deviceName = alcGetString(device, ALC_DEVICE_SPECIFIER);
    name = std::string("OpenAL device \"") + (deviceName ? deviceName : "default") + "\"";
    return true;
}

bool SoundOutput::openLoopback(int sources) {
    LPALCLOOPBACKOPENDEVICESOFT openLoopbackDevice = loopbackOpen();
    if (!openLoopbackDevice)
        return false;
    device = openLoopbackDevice(nullptr);
    if (!device)
        return false;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 silentRate,
                                 ALC_MONO_SOURCES,
                                 sources,
                                 ALC_STEREO_SOURCES,
                                 sources,
                                 0};
    context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        close();
        return false;
    }
    type = FMOD_OUTPUTTYPE_SILENT;
    name = "silent output (no sound device; mixed in real time and discarded)";
    clockBase = now();
    framesAtBase = 0;
    framesRendered = 0;
    return true;
}

void SoundOutput::close() {
    if (context) {
        if (alcGetCurrentContext() == context)
            alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = nullptr;
    }
    if (device) {
        alcCloseDevice(device);
        device = nullptr;
    }
}

void SoundOutput::makeCurrent() {
    if (context && alcGetCurrentContext() != context)
        alcMakeContextCurrent(context);
}

double SoundOutput::now() const {
    if (clock)
        return clock(clockData);
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SoundOutput::setClock(FMOD_CLOCK_CALLBACK newClock, void* userData) {
    framesAtBase = framesRendered + framesDue();
    clock = newClock;
    clockData = userData;
    clockBase = now();
}

std::int64_t SoundOutput::framesDue() {
    if (type != FMOD_OUTPUTTYPE_SILENT)
        return 0;
    double elapsed = now() - clockBase;
    std::int64_t target =
        framesAtBase + static_cast<std::int64_t>(std::floor(elapsed * silentRate));
    std::int64_t due = target - framesRendered;
    if (due > maximumCatchUpFrames) {
        framesAtBase -= due - maximumCatchUpFrames;
        due = maximumCatchUpFrames;
    }
    return due > 0 ? due : 0;
}

void SoundOutput::render(int frames) {
    if (type != FMOD_OUTPUTTYPE_SILENT || frames <= 0)
        return;
    static LPALCRENDERSAMPLESSOFT renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    discard.resize(static_cast<std::size_t>(frames) * 2);
    renderSamples(device, discard.data(), frames);
    framesRendered += frames;
}

#pragma once

#include "presentation/SoundLayer.h"

#include <AL/alc.h>

#include <cstdint>
#include <string>
#include <vector>

// The OpenAL device and context a sound system mixes into: the default sound device, or when
// there is none a loopback device that nobody listens to. The loopback device only mixes when
// asked, so the silent output renders (and discards) as many frames as its clock has advanced;
// OpenAL's own source states and offsets then move exactly as they would on a device.
class SoundOutput {
public:
    SoundOutput() = default;
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // requested is the caller's choice; autodetect is resolved through the environment and then
    // by trying the device first.
    FMOD_RESULT open(FMOD_OUTPUTTYPE requested, int sources);
    void close();
    bool isOpen() const { return context != nullptr; }
    FMOD_OUTPUTTYPE getType() const { return type; }
    const std::string& getName() const { return name; }
    // OpenAL has one current context per process; every entry point that touches OpenAL calls
    // this first so that several systems can coexist.
    void makeCurrent();

    void setClock(FMOD_CLOCK_CALLBACK clock, void* userData);
    // Frames the silent output owes to its clock (always 0 on a device).
    std::int64_t framesDue();
    // Mixes frames frames on the silent output.
    void render(int frames);

private:
    double now() const;
    bool openDevice(int sources);
    bool openLoopback(int sources);

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    FMOD_OUTPUTTYPE type = FMOD_OUTPUTTYPE_AUTODETECT;
    std::string name;
    FMOD_CLOCK_CALLBACK clock = nullptr;
    void* clockData = nullptr;
    // The silent clock: frames due = (now - clockBase) * rate + framesAtBase - framesRendered.
    double clockBase = 0.0;
    std::int64_t framesAtBase = 0;
    std::int64_t framesRendered = 0;
    std::vector<std::int16_t> discard;
};

#pragma once

#include "presentation/SoundLayer.h"

// A silent-output clock moved by the test; it must outlive its system (or be replaced first).
class ManualSoundClock {
public:
    void advance(double seconds) { now += seconds; }
    void attach(FMOD_SYSTEM* system) {
        FMOD_System_SetSilentClock(system, &ManualSoundClock::read, this);
    }

private:
    static double read(void* clock) { return static_cast<ManualSoundClock*>(clock)->now; }
    double now = 1000.0;
};

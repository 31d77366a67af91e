#pragma once

#include "presentation/SoundLayer.h"

// A clock for the silent sound output that moves only when a test says so, so that sounds end
// after simulated time rather than wall-clock time.
class ManualSoundClock {
public:
    void advance(double seconds) { now += seconds; }
    double seconds() const { return now; }
    // Installs this clock on a system; it must outlive the system or be replaced first.
    void attach(FMOD_SYSTEM* system) {
        FMOD_System_SetSilentClock(system, &ManualSoundClock::read, this);
    }

private:
    static double read(void* clock) { return static_cast<ManualSoundClock*>(clock)->now; }
    double now = 1000.0;
};

#include "core/Process.h"

#include "core/ProcessManager.h"

Process::~Process() {
    if (manager)
        manager->detach(this);
}

void Process::kill() {
    if (manager)
        killed = true;
}

void Process::setPaused(bool wanted, double duration) {
    if (!wanted) {
        if (!paused)
            return;
        paused = false;
        if (manager)
            pauseChanged(false);
        time = 0.0;
        return;
    }
    if (paused) {
        time = duration;
        return;
    }
    paused = true;
    if (manager)
        pauseChanged(true);
}

#include "core/ProcessManager.h"

#include <algorithm>
#include <vector>

ProcessManager::~ProcessManager() {
    for (Process* process : processes)
        if (process && process->manager)
            process->killed = true;
    reap();
    // Any child that survived reaping (none should) must not point at a dead manager.
    for (Process* process : processes)
        if (process)
            process->manager = nullptr;
    processes.clear();
}

namespace {
// Ends a pass even when a child throws: the caller may catch the error and go on, and a manager
// left "updating" would skip every later tick and keep the null slots of destroyed children.
struct PassGuard {
    std::list<Process*>& processes;
    bool& updating;
    ~PassGuard() {
        processes.remove(nullptr);
        updating = false;
    }
};
} // namespace

void ProcessManager::addProcess(Process* process) {
    if (!process || process->manager)
        return;
    process->manager = this;
    process->tickCounter = 0;
    process->processAdded();
    processes.push_back(process);
}

void ProcessManager::updateProcess(double seconds) {
    if (updating)
        return;
    totalTime += seconds;
    updating = true;
    PassGuard guard{processes, updating};
    // A process destroyed during the pass (its own update or a sibling's) leaves a null entry
    // behind instead of an erased one, so the iteration never touches freed memory. Processes
    // appended during the pass are reached because list iterators stay valid on push_back.
    for (auto current = processes.begin(); current != processes.end(); ++current) {
        Process* process = *current;
        if (!process)
            continue;
        if (process->paused && process->time > 0.0) {
            process->time -= seconds;
            if (process->time <= 0.0) {
                process->time = 0.0;
                process->paused = false;
                process->pauseChanged(false);
                if (!*current)
                    continue;
            }
        }
        if (process->paused)
            continue;
        process->time += seconds;
        if (process->tickCounter == 0) {
            double elapsed = process->time;
            process->time = 0.0;
            process->updateProcess(elapsed);
            if (!*current)
                continue;
        }
        process->tickCounter = (process->tickCounter + 1) % process->updateInterval;
    }
    // Processes destroyed while reaping also leave null slots; the guard clears them after.
    reap();
}

void ProcessManager::reap() {
    std::vector<Process*> killed;
    for (Process* process : processes)
        if (process && process->killed)
            killed.push_back(process);
    for (Process* process : killed) {
        // An earlier processRemoved hook may have destroyed this one already.
        auto entry = std::find(processes.begin(), processes.end(), process);
        if (entry == processes.end())
            continue;
        processes.erase(entry);
        process->killed = false;
        process->processRemoved();
        if (process->deleteWhenKilled()) {
            process->manager = nullptr;
            delete process;
        } else {
            process->manager = nullptr;
        }
    }
}

void ProcessManager::detach(Process* process) {
    if (updating)
        std::replace(processes.begin(), processes.end(), process, static_cast<Process*>(nullptr));
    else
        processes.remove(process);
    process->manager = nullptr;
}

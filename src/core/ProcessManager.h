#pragma once

#include "core/Process.h"

#include <list>

// A process that runs child processes in insertion order. It never owns managers or component
// processes; stand-alone processes (deleteWhenKilled) are deleted when reaped.
class ProcessManager : public Process {
public:
    explicit ProcessManager(double startTime = 0.0) : totalTime(startTime) {}
    // Reaps every child: stand-alone ones are deleted, the rest detached.
    ~ProcessManager() override;

    // Ignores null and processes that already have a manager. A process added during a pass is
    // reached later in the same pass.
    void addProcess(Process* process);
    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

    double getTotalTime() const { return totalTime; }
    std::size_t processCount() const { return processes.size(); }

private:
    friend class Process;
    // Called by a dying process that is still attached.
    void detach(Process* process);
    void reap();

    std::list<Process*> processes;
    double totalTime;
    bool updating = false;
};

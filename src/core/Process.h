#pragma once

class ProcessManager;

// Anything time-driven. A manager calls updateProcess with the simulated seconds that passed.
// A process is owned elsewhere unless deleteWhenKilled() answers true, in which case its manager
// deletes it when it is reaped.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // Leaves the manager's list at once if still attached.
    virtual ~Process();

    virtual void updateProcess(double seconds) = 0;
    virtual void processAdded() {}
    virtual void pauseChanged(bool /*paused*/) {}
    virtual void processRemoved() {}
    virtual bool deleteWhenKilled() const = 0;

    // Removal is honoured at the end of the manager's current or next tick.
    void kill();
    // Withdraws a removal that has not been honoured yet, for a process that must stay after all
    // (a component whose entity left its scene and came back within one tick).
    void revive() { killed = false; }
    // Pausing with duration 0 pauses until resumed; pausing an already paused process only
    // resets the remaining pause time.
    void setPaused(bool paused, double duration = 0.0);
    bool isPaused() const { return paused; }
    bool isKilled() const { return killed; }
    ProcessManager* getManager() const { return manager; }
    unsigned getUpdateInterval() const { return updateInterval; }
    // An interval of 0 would divide by zero in the tick counter; it is taken as 1.
    void setUpdateInterval(unsigned interval) { updateInterval = interval ? interval : 1; }

private:
    friend class ProcessManager;

    bool paused = false;
    double time = 0.0;
    unsigned updateInterval = 1;
    unsigned tickCounter = 0;
    ProcessManager* manager = nullptr;
    bool killed = false;
};

#pragma once

#include "core/Process.h"

#include <string>

class EventManager;

// One-shot countdown: on the first tick that takes it below zero it sends a TimerEvent with its
// name to the target event manager (if that still exists) and is then reaped and deleted by its
// process manager.
class Timer : public Process {
public:
    // Raises "Illegal value for timer." for a negative time; zero fires on the first tick.
    Timer(const std::string& name, EventManager* target, double seconds);

    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return true; }

    double getRemaining() const { return remaining; }
    // Restarts the countdown of a running timer from the given time.
    void setRemaining(double seconds) { remaining = seconds; }
    const std::string& getName() const { return name; }

private:
    double remaining;
    EventManager* target;
    std::string name;
};

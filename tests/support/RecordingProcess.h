#pragma once

#include "core/Process.h"

#include <functional>
#include <vector>

// A process that records what it receives and can run an action from inside each call.
class RecordingProcess : public Process {
public:
    explicit RecordingProcess(bool standAlone = false) : standAlone(standAlone) {}
    ~RecordingProcess() override { call(onDestroy); }

    void updateProcess(double seconds) override {
        updates.push_back(seconds);
        call(onUpdate);
    }
    void pauseChanged(bool paused) override { pauseChanges.push_back(paused); }
    void processRemoved() override {
        ++removals;
        call(onRemoved);
    }
    bool deleteWhenKilled() const override { return standAlone; }

    std::vector<double> updates;
    std::vector<bool> pauseChanges;
    int removals = 0;
    std::function<void()> onUpdate, onDestroy, onRemoved;

private:
    static void call(const std::function<void()>& action) {
        if (action)
            action();
    }
    bool standAlone;
};

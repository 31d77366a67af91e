#pragma once

#include "core/Process.h"

class SceneManager;

// A process that belongs to a component and runs in the process list of the scene the
// component's entity is in. The component calls followScene from its managerChanged: leaving a
// scene queues the removal there, entering one adds the process, and leaving and re-entering the
// same scene within one tick (a node moved under another parent) withdraws the pending removal,
// so the process is not lost for good.
class SceneProcess : public Process {
public:
    bool deleteWhenKilled() const override { return false; }

protected:
    void followScene(SceneManager* newManager, SceneManager* oldManager);
};

#pragma once

#include "core/ProcessManager.h"
#include "core/Singleton.h"

// Root of the process tree; the main loop advances it by one fixed step at a time.
class MasterProcessManager : public ProcessManager, public Singleton<MasterProcessManager> {
public:
    MasterProcessManager() : ProcessManager(0.0) {}
};

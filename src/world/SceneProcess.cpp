#include "world/SceneProcess.h"

#include "world/SceneManager.h"

void SceneProcess::followScene(SceneManager* newManager, SceneManager* oldManager) {
    ProcessManager* current = getManager();
    if (oldManager && current == oldManager)
        kill();
    if (!newManager)
        return;
    if (current == newManager)
        revive();
    else
        newManager->addProcess(this);
}

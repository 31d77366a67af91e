#include "world/SceneListenerSlot.h"

#include "world/SceneManager.h"

#include <set>
#include <utility>

namespace {

// The scenes whose slot is taken, with the event type the slot is for.
std::set<std::pair<const SceneManager*, int>>& takenSlots() {
    static std::set<std::pair<const SceneManager*, int>> slots;
    return slots;
}

} // namespace

void SceneListenerSlot::follow(SceneManager* newManager) {
    release();
    if (newManager && takenSlots().insert({newManager, listener.getListenerType()}).second) {
        newManager->addListener(&listener);
        scene = newManager;
    }
}

void SceneListenerSlot::release() {
    if (!scene)
        return;
    scene->removeListener(&listener);
    takenSlots().erase({scene, listener.getListenerType()});
    scene = nullptr;
}

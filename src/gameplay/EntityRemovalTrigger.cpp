#include "gameplay/EntityRemovalTrigger.h"

#include "core/ParamList.h"

const std::string& EntityRemovalTrigger::typeName() {
    static const std::string type = "EntityRemovalTrigger";
    return type;
}

Component* EntityRemovalTrigger::createNew(const ParamList& params) const {
    return new EntityRemovalTrigger(LevelTrigger::fromParams(params, typeName()));
}

void EntityRemovalTrigger::managerChanged(SceneManager*, SceneManager* oldManager) {
    // A component being taken off its entity hears the same call, but is already detached.
    if (oldManager && getEntity())
        trigger.fire(oldManager);
}

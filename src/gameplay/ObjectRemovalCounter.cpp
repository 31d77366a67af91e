#include "gameplay/ObjectRemovalCounter.h"

#include "core/ParamList.h"
#include "world/SceneManager.h"

#include <limits>

const std::string& ObjectRemovalCounter::typeName() {
    static const std::string type = "ObjectRemovalCounter";
    return type;
}

Component* ObjectRemovalCounter::createNew(const ParamList& params) const {
    std::string objectType;
    params.getRequired("type", objectType, typeName());
    int startingCount = 0;
    params.get("startingCount", startingCount);
    return new ObjectRemovalCounter(objectType, startingCount);
}

void ObjectRemovalCounter::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        oldManager->removeListener(this);
    if (newManager)
        newManager->addListener(this);
}

void ObjectRemovalCounter::objectRemoved(const CountableObjectRemovalEventPtr& event) {
    if (event->getObjectType() == objectType && count < std::numeric_limits<int>::max())
        ++count;
}

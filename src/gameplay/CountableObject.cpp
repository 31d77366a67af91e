#include "gameplay/CountableObject.h"

#include "core/ParamList.h"
#include "gameplay/CountableObjectRemovalEvent.h"
#include "world/SceneManager.h"

const std::string& CountableObject::typeName() {
    static const std::string type = "CountableObject";
    return type;
}

Component* CountableObject::createNew(const ParamList& params) const {
    std::string objectType;
    params.getRequired("type", objectType, typeName());
    return new CountableObject(objectType);
}

void CountableObject::managerChanged(SceneManager*, SceneManager* oldManager) {
    if (!oldManager || forfeited)
        return;
    oldManager->sendEvent(
        EventPtr(new CountableObjectRemovalEvent(objectType, oldManager->getTotalTime())));
}

#include "gameplay/TargetableGroupSeeker.h"

#include "core/ParamList.h"
#include "gameplay/TargetableGroup.h"
#include "gameplay/TargetableGroupRegistry.h"
#include "world/SceneManager.h"

const std::string& TargetableGroupSeeker::typeName() {
    static const std::string type = "TargetableGroupSeeker";
    return type;
}

Component* TargetableGroupSeeker::createNew(const ParamList& params) const {
    return new TargetableGroupSeeker(params.getText("group"));
}

void TargetableGroupSeeker::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager) {
        target = nullptr;
        oldManager->removeListener(this);
    }
    if (newManager)
        newManager->addListener(this);
}

Entity* TargetableGroupSeeker::chooseNearest(const Vector2& position) {
    TargetableGroup* member = TargetableGroupRegistry::nearest(getSceneManager(), group, position);
    target = member ? member->getEntity() : nullptr;
    return target;
}

void TargetableGroupSeeker::entityLeft(const SceneEventPtr& event) {
    if (event->getEntity() == target)
        target = nullptr;
}

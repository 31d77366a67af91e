#include "presentation/FollowingCamera.h"

#include "core/ParamList.h"
#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/SceneNode.h"
#include "world/TargetHolder.h"

const std::string& FollowingCamera::typeName() {
    static const std::string name = "FollowingCamera";
    return name;
}

Component* FollowingCamera::createNew(const ParamList& params) const {
    return new FollowingCamera(dimensionsFrom(params));
}

bool FollowingCamera::attach(Entity* entity) {
    return attachAs({typeName(), Camera::typeName()}, entity);
}

void FollowingCamera::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    followScene(newManager, oldManager);
}

void FollowingCamera::updateProcess(double) {
    Entity* entity = getEntity();
    SceneNode* node = getNode();
    if (!entity || !node)
        return;
    auto* seeker =
        dynamic_cast<TargetHolder*>(ComponentRegistry::getComponent("TargetSeeker", entity));
    Entity* target = seeker ? seeker->getTarget() : nullptr;
    SceneNode* targetNode = target ? target->getNode() : nullptr;
    if (targetNode)
        node->setPosition(targetNode->getWorldPosition(), SceneNode::World);
}

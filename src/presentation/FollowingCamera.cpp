#include "presentation/FollowingCamera.h"

#include "core/ParamList.h"
#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

const std::string& FollowingCamera::typeName() {
    static const std::string name = "FollowingCamera";
    return name;
}

FollowingCamera::TargetReader& FollowingCamera::targetReader() {
    static TargetReader reader;
    return reader;
}

void FollowingCamera::setTargetReader(TargetReader reader) {
    targetReader() = std::move(reader);
}

Component* FollowingCamera::createNew(const ParamList& params) const {
    return new FollowingCamera(dimensionsFrom(params));
}

bool FollowingCamera::attach(Entity* entity) {
    return attachAs({typeName(), Camera::typeName()}, entity);
}

void FollowingCamera::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager && getManager())
        kill();
    // Joins the new scene's list unless it is still in one: screens never hand entities from
    // one live scene to another, so the old list has always let it go by then.
    if (newManager && !getManager())
        newManager->addProcess(this);
}

void FollowingCamera::updateProcess(double) {
    Entity* entity = getEntity();
    SceneNode* node = getNode();
    const TargetReader& reader = targetReader();
    if (!entity || !node || !reader)
        return;
    Component* seeker = ComponentRegistry::getComponent("TargetSeeker", entity);
    Entity* target = seeker ? reader(*seeker) : nullptr;
    SceneNode* targetNode = target ? target->getNode() : nullptr;
    if (targetNode)
        node->setPosition(targetNode->getWorldPosition(), SceneNode::World);
}

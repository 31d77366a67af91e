#include "gameplay/PowerUp.h"

#include "core/ParamList.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

bool PowerUp::isLeaving(const Entity* entity) {
    SceneManager* scene = entity ? entity->getSceneManager() : nullptr;
    if (!scene)
        return true;
    for (SceneNode* node = entity->getNode(); node; node = node->getParent()) {
        if (scene->isMarkedForDeletion(node))
            return true;
    }
    return false;
}

std::string PowerUp::readEntityName(const ParamList& params, const std::string& type) {
    std::string name;
    params.getRequired("entity", name, type);
    return name;
}

void PowerUp::collisionStarted(const CollidableEventPtr& event) {
    Entity* self = getEntity();
    Entity* other = otherEntity(*event);
    if (!self || !other || other == self || other->getName() != entityName || isLeaving(self))
        return;
    applyTo(*other);
    self->kill();
}

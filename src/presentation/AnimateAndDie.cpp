#include "presentation/AnimateAndDie.h"

#include "presentation/AnimationEvent.h"

#include "world/Entity.h"
#include "world/SceneManager.h"

const std::string& AnimateAndDie::typeName() {
    static const std::string name = "AnimateAndDie";
    return name;
}

void AnimateAndDie::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void AnimateAndDie::animationEnded(const AnimationEvent& event) {
    // Only a named animation that ran out ends the entity's life.
    if (event.getAnimationName().empty())
        return;
    Entity* entity = getEntity();
    SceneManager* scene = entity ? entity->getSceneManager() : nullptr;
    if (scene)
        scene->removeEntity(entity);
}

#include "gameplay/CollisionTrigger.h"

#include "core/ParamList.h"
#include "world/Entity.h"

const std::string& CollisionTrigger::typeName() {
    static const std::string type = "CollisionTrigger";
    return type;
}

Component* CollisionTrigger::createNew(const ParamList& params) const {
    std::string watched;
    params.getRequired("entity", watched, typeName());
    return new CollisionTrigger(LevelTrigger::fromParams(params, typeName()), watched);
}

void CollisionTrigger::collisionStarted(const CollidableEventPtr& event) {
    if (fired)
        return;
    auto named = [this](const Entity* entity) { return entity && entity->getName() == watched; };
    if (!named(event->getFirst()) && !named(event->getSecond()))
        return;
    fired = true;
    trigger.fire(getSceneManager());
}

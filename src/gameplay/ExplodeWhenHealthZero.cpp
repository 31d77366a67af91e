#include "gameplay/ExplodeWhenHealthZero.h"

#include "world/Entity.h"

const std::string& ExplodeWhenHealthZero::typeName() {
    static const std::string type = "ExplodeWhenHealthZero";
    return type;
}

void ExplodeWhenHealthZero::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void ExplodeWhenHealthZero::healthChanged(const DamageableEventPtr& event) {
    Entity* entity = getEntity();
    if (entity && event->getHP() == 0 && event->getEntityName() == entity->getName())
        explode();
}

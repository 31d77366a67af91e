#include "gameplay/OwnCollisionListener.h"

#include "world/Entity.h"

void OwnCollisionListener::entityChanged(Entity* newEntity, Entity* oldEntity) {
    auto* listener = static_cast<CollidableListener*>(this);
    if (oldEntity)
        oldEntity->removeListener(listener);
    if (newEntity)
        newEntity->addListener(listener);
}

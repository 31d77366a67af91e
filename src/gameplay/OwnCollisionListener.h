#pragma once

#include "physics/CollidableListener.h"
#include "world/Component.h"

// A component that hears the collision events the physics manager sends to its own entity. It
// follows its entity: entityChanged moves the listener from the old entity's event manager to the
// new one's. A copy starts unattached and listens nowhere until it is attached.
class OwnCollisionListener : public Component, public CollidableListener {
public:
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

protected:
    // The entity of the event that is not this component's own.
    Entity* otherEntity(const CollidableEvent& event) const { return event.getOther(getEntity()); }
};

#pragma once

#include "physics/AxisAlignedBox.h"
#include "physics/Boundable.h"
#include "world/Component.h"

// The role of a component that gives its entity a shape for collision. Concrete collidables
// register under their own type name and under "Collidable", so an entity has at most one and
// siblings find it by the role name.
class Collidable : public Component, public Boundable {
public:
    static const std::string& roleName();

    // The shape in the frame of the entity.
    virtual const Bound& getLocalBound() const = 0;
    // The shape in world space, following the entity's node. Valid until the next call.
    virtual const Bound& getWorldBound() = 0;
    // Bounding box of getWorldBound, refreshed with it.
    virtual const AxisAlignedBox& getWorldBoundingBox() = 0;

    bool attach(Entity* entity) override { return attachAs({getType(), roleName()}, entity); }
};

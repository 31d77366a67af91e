#pragma once

#include "gameplay/OwnCollisionListener.h"

class Deflectable;
class Entity;

// Makes its entity a solid obstacle for entities with a Deflectable. When one starts to touch it,
// the mover is pushed out of the obstacle's bounding box along each axis on which its centre lies
// within 1 unit of the box's edge or outside it, ending 2 units clear of that edge; a mover deeper
// inside stays where it is. Stop also zeroes the velocity along a pushed axis; Kill destroys the
// mover instead. After a push the mover's collidable is re-tested (Deflectable::queueRecheck).
// Needs a collidable on both entities. No parameters.
class MovableDeflector : public OwnCollisionListener {
public:
    static const std::string& typeName();

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new MovableDeflector(); }
    Component* clone() const override { return new MovableDeflector(*this); }

    void collisionStarted(const CollidableEventPtr& event) override;

private:
    void pushOut(Entity& mover, Deflectable& deflectable);
};

#pragma once

#include "gameplay/OwnCollisionListener.h"

// Throws its entity straight away from a ping that starts to touch it: the entity keeps its
// speed, flies along the line from the ping's centre through its own and turns to face that way.
// Only the entity's Movable is changed, so an entity without one is not affected. No parameters.
class DeflectOnPing : public OwnCollisionListener {
public:
    static const std::string& typeName();

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new DeflectOnPing(); }
    Component* clone() const override { return new DeflectOnPing(*this); }

    void collisionStarted(const CollidableEventPtr& event) override;
};

#pragma once

#include "gameplay/LevelTrigger.h"
#include "gameplay/OwnCollisionListener.h"

#include <string>

// Starts its script once, when its entity first starts to touch an entity of the given name.
// Naming its own entity makes it fire on the first touch of anything.
class CollisionTrigger : public OwnCollisionListener {
public:
    static const std::string& typeName();

    CollisionTrigger() = default;
    CollisionTrigger(const LevelTrigger& trigger, const std::string& watched)
        : trigger(trigger), watched(watched) {}
    // A copy has not fired yet.
    CollisionTrigger(const CollisionTrigger& other)
        : OwnCollisionListener(other), trigger(other.trigger), watched(other.watched) {}

    const std::string& getType() const override { return typeName(); }
    // "entity" and "script" are required; "file" is the script's file hint.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new CollisionTrigger(*this); }

    void collisionStarted(const CollidableEventPtr& event) override;
    bool hasFired() const { return fired; }

private:
    LevelTrigger trigger;
    std::string watched;
    bool fired = false;
};

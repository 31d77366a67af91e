#pragma once

#include "gameplay/Explodable.h"
#include "physics/CollidableListener.h"

// Explodes on touching an entity that deals "Collision" damage; with a target name, only when
// that entity is also the Targetable of that name.
class ExplodeOnCollision : public Explodable, public CollidableListener {
public:
    static const std::string& typeName();

    ExplodeOnCollision() = default;
    ExplodeOnCollision(const Settings& settings, const std::string& target)
        : Explodable(settings), target(target) {}
    // The Explodable parameters and "target" (optional).
    static ExplodeOnCollision* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new ExplodeOnCollision(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void collisionStarted(const CollidableEventPtr& event) override;

private:
    std::string target;
};

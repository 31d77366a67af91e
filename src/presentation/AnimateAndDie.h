#pragma once

#include "presentation/AnimationListener.h"
#include "world/Component.h"

// Removes its entity from the scene when one of the entity's animations ends: explosions and
// other one-shot effects. Registered as "AnimateAndDie"; it has no parameters.
class AnimateAndDie : public Component, public AnimationListener {
public:
    static const std::string& typeName();

    AnimateAndDie() = default;

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new AnimateAndDie; }
    Component* clone() const override { return new AnimateAndDie; }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void animationEnded(const AnimationEvent& event) override;
};

#pragma once

#include "core/EventListener.h"
#include "world/Component.h"

#include <string>

class ParamList;

// An entity's hit points, 0..totalHP. Every change goes through setHP, which queues a
// DamageableEvent on the entity when the value moved, so listeners (the explosion, the health
// bar) react after the change is complete. Scripts change the points with
// DamageableActionEvents sent to the entity.
class Damageable : public Component, public EventListener {
public:
    static const std::string& typeName();

    // A negative total is taken as 0. The entity starts with full points.
    explicit Damageable(int totalHP = 0);
    Damageable(const Damageable& other);
    // "totalHP" is required.
    static Damageable* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new Damageable(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    // Applies a DamageableActionEvent.
    void handleEvent(const EventPtr& event) override;

    // Below 1 gives 0, above the total gives the total.
    void setHP(int value);
    // The arithmetic forms. They work in double, where an int sum is exact and a product that
    // leaves the int range is simply clamped, so no operand can overflow: the result is truncated
    // toward zero and clamped to 0..totalHP. A result that is not finite (an infinite or NaN
    // operand) leaves the points as they are.
    void changeHP(double delta);
    void scaleHP(double factor);

    int getHP() const { return hp; }
    int getTotalHP() const { return totalHP; }

private:
    void setHPFrom(double value);

    int hp;
    int totalHP;
};

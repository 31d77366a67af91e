#pragma once

#include "gameplay/PowerUp.h"

// Adds its amount (negative takes away) to the hit points of the entity's Damageable.
// Parameters: "entity" and "amount" (integer), both required.
class HealthPowerUp : public PowerUp {
public:
    static const std::string& typeName();

    HealthPowerUp() = default;
    HealthPowerUp(const std::string& entityName, int amount)
        : PowerUp(entityName), amount(amount) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new HealthPowerUp(*this); }

protected:
    void applyTo(Entity& receiver) override;

private:
    int amount = 0;
};

#pragma once

#include "gameplay/PowerUp.h"

// Adds its amount of energy to the entity's PlayerShield, which keeps it within 0..1.
// Parameters: "entity" and "amount" (real), both required.
class ShieldPowerUp : public PowerUp {
public:
    static const std::string& typeName();

    ShieldPowerUp() = default;
    ShieldPowerUp(const std::string& entityName, double amount)
        : PowerUp(entityName), amount(amount) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ShieldPowerUp(*this); }

protected:
    void applyTo(Entity& receiver) override;

private:
    double amount = 0.0;
};

#pragma once

#include "gameplay/PowerUp.h"

// Makes the pings of the entity's PlayerPingCreator bigger by its amount on both axes for its
// time. Parameters: "entity", "amount" and "time" (seconds), all required.
class PingPowerUp : public PowerUp {
public:
    static const std::string& typeName();

    PingPowerUp() = default;
    PingPowerUp(const std::string& entityName, double amount, double time)
        : PowerUp(entityName), amount(amount), time(time) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PingPowerUp(*this); }

protected:
    void applyTo(Entity& receiver) override;

private:
    double amount = 1.0;
    double time = 0.0;
};

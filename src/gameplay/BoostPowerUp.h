#pragma once

#include "gameplay/PowerUp.h"

// Boosts the entity's ship controllers for a while: whichever of the scrolling and the static
// controller it has gets the same five numbers, each read in that controller's own sense.
// Parameters, all required reals: "entity", "thrustForce", "brakeForce", "maxSpeed",
// "turnSpeed" (increments) and "time" (seconds).
class BoostPowerUp : public PowerUp {
public:
    struct Boost {
        double thrustForce = 0.0;
        double brakeForce = 0.0;
        double maxSpeed = 0.0;
        double turnSpeed = 0.0;
        double time = 0.0;
    };

    static const std::string& typeName();

    BoostPowerUp() = default;
    BoostPowerUp(const std::string& entityName, const Boost& boost)
        : PowerUp(entityName), boost(boost) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new BoostPowerUp(*this); }

protected:
    void applyTo(Entity& receiver) override;

private:
    Boost boost;
};

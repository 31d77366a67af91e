#pragma once

#include "world/Component.h"

// A passive pickup: a ScalingPowerUpReceptor that touches it scales its own entity by amount for
// time seconds and removes the pickup. Parameters: "amount" and "time" (seconds), both required.
class ScalingPowerUp : public Component {
public:
    static const std::string& typeName();

    explicit ScalingPowerUp(double amount = 1.0, double time = 0.0) : amount(amount), time(time) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ScalingPowerUp(*this); }

    double getAmount() const { return amount; }
    double getTime() const { return time; }

private:
    double amount;
    double time;
};

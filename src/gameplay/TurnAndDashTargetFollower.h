#pragma once

#include "gameplay/TargetFollower.h"

// Turns in place towards its TargetSeeker's target at turnSpeed, then dashes straight at it at
// dashSpeed for 1.5 seconds without steering, and turns again.
class TurnAndDashTargetFollower : public TargetFollower {
public:
    static const std::string& typeName();
    static constexpr double dashTime = 1.5;

    explicit TurnAndDashTargetFollower(double turnSpeed = 0.0, double dashSpeed = 0.0)
        : turnSpeed(turnSpeed), dashSpeed(dashSpeed) {}

    const std::string& getType() const override { return typeName(); }
    // "turnSpeed" and "dashSpeed" are required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override {
        return new TurnAndDashTargetFollower(turnSpeed, dashSpeed);
    }

    void updateProcess(double seconds) override;
    bool isDashing() const { return dashing; }

private:
    double turnSpeed;
    double dashSpeed;
    bool dashing = false;
    double dashTimer = 0.0;
};

#pragma once

#include "gameplay/TargetFollower.h"

// Turns its entity towards the target at up to turnSpeed radians per second, turning its
// velocity with it, so it chases at the speed it already has. With a negative targetChoiceRate
// the target is its TargetSeeker's; otherwise its TargetableGroupSeeker chooses the nearest
// member of its group again every targetChoiceRate seconds (0: every update), and at once when
// the current one has gone.
class StaticSpeedTargetFollower : public TargetFollower {
public:
    static const std::string& typeName();

    explicit StaticSpeedTargetFollower(double turnSpeed = 0.0, double targetChoiceRate = -1.0)
        : turnSpeed(turnSpeed), targetChoiceRate(targetChoiceRate) {}

    const std::string& getType() const override { return typeName(); }
    // "turnSpeed" and "targetChoiceRate" are required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override {
        return new StaticSpeedTargetFollower(turnSpeed, targetChoiceRate);
    }

    void updateProcess(double seconds) override;

private:
    Entity* currentTarget(double seconds);

    double turnSpeed;
    double targetChoiceRate;
    double choiceTimer = 0.0;
};

#pragma once

#include "core/Vector2.h"
#include "gameplay/OwnCollisionListener.h"
#include "world/SceneProcess.h"

// Collects ScalingPowerUps: touching one sets its own node's scale to (amount, amount) for the
// power-up's time and removes the power-up; when the time is up the scale from before the
// enlargement comes back. A pickup during an enlargement restarts the time from the new one and
// keeps the scale from before the first. Takes no parameters.
//
// The remaining time is -1 before any pickup; once an enlargement has run out it stays 0 and the
// base scale is put back on every tick. While its entity is in a scene the receptor is one of
// that scene's processes.
class ScalingPowerUpReceptor : public OwnCollisionListener, public SceneProcess {
public:
    static const std::string& typeName();

    ScalingPowerUpReceptor() = default;
    ScalingPowerUpReceptor(const ScalingPowerUpReceptor& other)
        : OwnCollisionListener(other), baseScale(other.baseScale),
          remainingTime(other.remainingTime) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new ScalingPowerUpReceptor(); }
    Component* clone() const override { return new ScalingPowerUpReceptor(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // Ignores a power-up already leaving its scene and an amount that is not positive and
    // finite (that power-up stays where it is); a negative or NaN time counts as 0.
    void collisionStarted(const CollidableEventPtr& event) override;
    void updateProcess(double seconds) override;

    const Vector2& getBaseScale() const { return baseScale; }
    double getRemainingTime() const { return remainingTime; }

private:
    Vector2 baseScale{1.0, 1.0};
    double remainingTime = -1.0;
};

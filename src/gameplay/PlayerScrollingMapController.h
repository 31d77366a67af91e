#pragma once

#include "gameplay/PlayerInputController.h"

class ParamList;

// The "Scrolling" scheme: the ship drifts forward (world +x) at a constant speed; thrust and
// brake change that speed and the two turn actions move it sideways. Its orientation is never
// changed. Power-ups boost it for a while (boost).
class PlayerScrollingMapController : public PlayerInputController {
public:
    enum ForwardState { Coasting = 0, Thrusting = 1, Braking = 2 };
    enum SideState { Straight = 0, MovingLeft = 3, MovingRight = 4 };

    static const std::string& typeName();

    PlayerScrollingMapController(double driftSpeed, double relThrustSpeed, double relBrakeSpeed,
                                 double sideSpeed);
    PlayerScrollingMapController(const PlayerScrollingMapController& other) = default;
    // "driftSpeed", "relThrustSpeed", "relBrakeSpeed" and "sideSpeed", all required.
    static PlayerScrollingMapController* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new PlayerScrollingMapController(*this); }
    // A new ship starts drifting straight ahead.
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void updateProcess(double seconds) override;
    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;

    // For the given seconds the four speeds are their values before the first boost plus the
    // increments (not clamped). A boost given while one runs replaces it. Nothing happens for a
    // duration that is not positive.
    void boost(double thrustIncrement, double brakeIncrement, double driftIncrement,
               double sideIncrement, double duration);

    double getDriftSpeed() const { return driftSpeed; }
    double getRelThrustSpeed() const { return relThrustSpeed; }
    double getRelBrakeSpeed() const { return relBrakeSpeed; }
    double getSideSpeed() const { return sideSpeed; }
    ForwardState getForwardState() const { return forwardState; }
    SideState getSideState() const { return sideState; }
    double getBoostTime() const { return boostTime; }

private:
    double forwardSpeed() const;
    double sidewaysSpeed() const;
    // Sets the movable's velocity from the states; x and y separately or both.
    void applyForward() const;
    void applySideways() const;
    void recompute() const;

    double driftSpeed;
    double relThrustSpeed;
    double relBrakeSpeed;
    double sideSpeed;
    ForwardState forwardState = Coasting;
    SideState sideState = Straight;
    double boostTime = -1.0;
    double baseRelThrustSpeed = 0.0;
    double baseRelBrakeSpeed = 0.0;
    double baseDriftSpeed = 0.0;
    double baseSideSpeed = 0.0;
};

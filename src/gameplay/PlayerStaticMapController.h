#pragma once

#include "gameplay/PlayerInputController.h"
#include "physics/VelocityBurst.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <memory>

class Force;
class ParamList;
class TranslationalDecellerator;

// The "Static" scheme: the ship turns, thrusts along its nose with a force, brakes with a
// decelerator, is held to a maximum speed and can side-step with a short velocity burst followed
// by a recovery time. Power-ups boost it for a while (boost).
class PlayerStaticMapController : public PlayerInputController {
public:
    enum StepState { Ready = 0, Stepping = 1, Recovering = 2 };

    // A side-step: a burst in the ship's own frame that tells its controller when it has ended.
    // The movable owns it; the controller may be gone by then, and is then not told.
    class VelocityBurstCallback : public VelocityBurst {
    public:
        VelocityBurstCallback(PlayerStaticMapController& owner, const Vector2& burst,
                              double duration);
        bool update(Movable& movable, double seconds) override;

    private:
        std::weak_ptr<PlayerStaticMapController*> controller;
    };

    static const std::string& typeName();

    PlayerStaticMapController(double thrustForce, double brakeForce, double maxSpeed,
                              double turnSpeed, double stepSpeed = 0.0, double stepTime = 0.0,
                              double stepRecoverTime = 0.0);
    PlayerStaticMapController(const PlayerStaticMapController& other);
    ~PlayerStaticMapController() override;
    // "thrustForce", "brakeForce", "maxSpeed" and "turnSpeed" are required; "stepSpeed",
    // "stepTime" and "stepRecoverTime" default to 0 (no side-steps).
    static PlayerStaticMapController* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new PlayerStaticMapController(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void updateProcess(double seconds) override;
    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;

    // For the given seconds: thrust and brake become their base values plus the increments,
    // maximum and turning speed the values before the first boost plus theirs (none below 0).
    // A boost given while one runs replaces it. Nothing happens for a duration that is not
    // positive.
    void boost(double thrustIncrement, double brakeIncrement, double maxSpeedIncrement,
               double turnSpeedIncrement, double duration);

    StepState getStepState() const { return stepState; }
    double getMaxSpeed() const { return maxSpeed; }
    double getTurnSpeed() const { return turnSpeed; }
    double getBoostTime() const { return boostTime; }
    const boost::shared_ptr<Force>& getThrust() const { return thrust; }
    const boost::shared_ptr<TranslationalDecellerator>& getBrake() const { return brake; }

private:
    void startStep(const Vector2& burst);
    void stepEnded();
    void capSpeed();

    double thrustForce;
    double brakeForce;
    double maxSpeed;
    double turnSpeed;
    double stepSpeed;
    double stepTime;
    double stepRecoverTime;
    StepState stepState = Ready;
    double recoverTimer = 0.0;
    boost::shared_ptr<Force> thrust;
    boost::shared_ptr<TranslationalDecellerator> brake;
    double boostTime = -1.0;
    double baseMaxSpeed = 0.0;
    double baseTurnSpeed = 0.0;
    // The side-step under way; it may vanish without ending, with the movable that carried it.
    boost::weak_ptr<VelocityBurstCallback> currentStep;
    // Bursts reach their controller through this; it expires with the controller.
    std::shared_ptr<PlayerStaticMapController*> self;
};

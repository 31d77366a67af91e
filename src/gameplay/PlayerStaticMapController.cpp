#include "gameplay/PlayerStaticMapController.h"

#include "core/ParamList.h"
#include "physics/Force.h"
#include "physics/Movable.h"
#include "physics/TranslationalDecellerator.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cmath>

PlayerStaticMapController::VelocityBurstCallback::VelocityBurstCallback(
    PlayerStaticMapController& owner, const Vector2& burst, double duration)
    : VelocityBurst(burst, duration, SceneNode::Local), controller(owner.self) {}

bool PlayerStaticMapController::VelocityBurstCallback::update(Movable& movable, double seconds) {
    if (!VelocityBurst::update(movable, seconds))
        return false;
    if (auto owner = controller.lock())
        (*owner)->stepEnded();
    return true;
}

const std::string& PlayerStaticMapController::typeName() {
    static const std::string type = "PlayerStaticMapController";
    return type;
}

PlayerStaticMapController::PlayerStaticMapController(double thrustForce, double brakeForce,
                                                     double maxSpeed, double turnSpeed,
                                                     double stepSpeed, double stepTime,
                                                     double stepRecoverTime)
    : thrustForce(thrustForce), brakeForce(brakeForce), maxSpeed(maxSpeed), turnSpeed(turnSpeed),
      stepSpeed(stepSpeed), stepTime(stepTime), stepRecoverTime(stepRecoverTime),
      // A unit push scaled afterwards: a Force refuses a zero-length vector, while a ship may be
      // given no thrust at all, or be boosted down to none.
      thrust(new Force(Vector2(1.0, 0.0), SceneNode::Local)),
      brake(new TranslationalDecellerator(brakeForce)),
      self(std::make_shared<PlayerStaticMapController*>(this)) {
    thrust->setMagnitude(thrustForce);
}

PlayerStaticMapController::PlayerStaticMapController(const PlayerStaticMapController& other)
    : PlayerInputController(other), thrustForce(other.thrustForce), brakeForce(other.brakeForce),
      maxSpeed(other.maxSpeed), turnSpeed(other.turnSpeed), stepSpeed(other.stepSpeed),
      stepTime(other.stepTime), stepRecoverTime(other.stepRecoverTime),
      thrust(new Force(Vector2(1.0, 0.0), SceneNode::Local)),
      brake(new TranslationalDecellerator(other.brake->getDeceleration())),
      boostTime(other.boostTime), baseMaxSpeed(other.baseMaxSpeed),
      baseTurnSpeed(other.baseTurnSpeed), self(std::make_shared<PlayerStaticMapController*>(this)) {
    thrust->setMagnitude(other.thrust->getMagnitude());
}

PlayerStaticMapController::~PlayerStaticMapController() = default;

PlayerStaticMapController* PlayerStaticMapController::fromParams(const ParamList& params) {
    double thrustForce = 0.0, brakeForce = 0.0, maxSpeed = 0.0, turnSpeed = 0.0;
    params.getRequired("thrustForce", thrustForce, typeName());
    params.getRequired("brakeForce", brakeForce, typeName());
    params.getRequired("maxSpeed", maxSpeed, typeName());
    params.getRequired("turnSpeed", turnSpeed, typeName());
    double stepSpeed = 0.0, stepTime = 0.0, stepRecoverTime = 0.0;
    params.get("stepSpeed", stepSpeed);
    params.get("stepTime", stepTime);
    params.get("stepRecoverTime", stepRecoverTime);
    return new PlayerStaticMapController(thrustForce, brakeForce, maxSpeed, turnSpeed, stepSpeed,
                                         stepTime, stepRecoverTime);
}

void PlayerStaticMapController::entityChanged(Entity* newEntity, Entity* oldEntity) {
    PlayerInputController::entityChanged(newEntity, oldEntity);
    // A ship that loses its controller while the engine runs would otherwise thrust for ever.
    if (oldEntity) {
        if (Movable* movable = oldEntity->getComponent<Movable>(Movable::typeName())) {
            movable->removeAffector(thrust);
            movable->removeAffector(brake);
        }
    }
    stepState = Ready;
}

void PlayerStaticMapController::updateProcess(double seconds) {
    // A burst that vanished with its movable never reports its end; the step is over anyway.
    if (stepState == Stepping && currentStep.expired())
        stepEnded();
    capSpeed();
    if (stepState == Recovering) {
        recoverTimer += seconds;
        if (recoverTimer > stepRecoverTime)
            stepState = Ready;
    }
    if (boostTime == 0.0) {
        thrust->setMagnitude(thrustForce);
        brake->setDeceleration(brakeForce);
        maxSpeed = baseMaxSpeed;
        turnSpeed = baseTurnSpeed;
    }
    if (boostTime > 0.0) {
        boostTime -= seconds;
        if (boostTime < 0.0)
            boostTime = 0.0;
    }
}

// A side-step may exceed the cap; it is brought back once the step has ended.
void PlayerStaticMapController::capSpeed() {
    Movable* movable = getMovable();
    if (!movable || stepState == Stepping)
        return;
    Vector2 velocity = movable->getVelocity();
    double squared = velocity.dot(velocity);
    if (maxSpeed * maxSpeed < squared) {
        movable->setVelocity(velocity / std::sqrt(squared) * maxSpeed);
        movable->setRelativeToOrientation(false);
    }
}

void PlayerStaticMapController::actionStarted(const PlayerActionEventPtr& event) {
    if (!getMovable())
        return;
    switch (event->getAction()) {
    case PlayerActionType::Thrust:
        cancelAction(PlayerActionType::Brake);
        if (Movable* movable = getMovable())
            movable->addAffector(thrust);
        break;
    case PlayerActionType::Brake:
        cancelAction(PlayerActionType::Thrust);
        if (Movable* movable = getMovable())
            movable->addAffector(brake);
        break;
    case PlayerActionType::TurnRight:
        cancelAction(PlayerActionType::TurnLeft);
        if (Movable* movable = getMovable())
            movable->setRotationalVelocity(-turnSpeed);
        break;
    case PlayerActionType::TurnLeft:
        cancelAction(PlayerActionType::TurnRight);
        if (Movable* movable = getMovable())
            movable->setRotationalVelocity(turnSpeed);
        break;
    case PlayerActionType::StepLeft:
        startStep(Vector2(0.0, stepSpeed));
        break;
    case PlayerActionType::StepRight:
        startStep(Vector2(0.0, -stepSpeed));
        break;
    case PlayerActionType::Shoot:
        queueShot(event->getTime());
        break;
    default:
        break;
    }
}

void PlayerStaticMapController::actionStopped(const PlayerActionEventPtr& event) {
    Movable* movable = getMovable();
    if (!movable)
        return;
    switch (event->getAction()) {
    case PlayerActionType::Thrust:
        movable->removeAffector(thrust);
        break;
    case PlayerActionType::Brake:
        movable->removeAffector(brake);
        break;
    case PlayerActionType::TurnLeft:
    case PlayerActionType::TurnRight:
        movable->setRotationalVelocity(0.0);
        break;
    default:
        break;
    }
}

void PlayerStaticMapController::startStep(const Vector2& burst) {
    Movable* movable = getMovable();
    if (!movable || stepState != Ready || stepSpeed == 0.0)
        return;
    boost::shared_ptr<VelocityBurstCallback> step(
        new VelocityBurstCallback(*this, burst, stepTime));
    currentStep = step;
    stepState = Stepping;
    movable->addAffector(step);
}

void PlayerStaticMapController::stepEnded() {
    stepState = stepRecoverTime > 0.0 ? Recovering : Ready;
    recoverTimer = 0.0;
}

void PlayerStaticMapController::boost(double thrustIncrement, double brakeIncrement,
                                      double maxSpeedIncrement, double turnSpeedIncrement,
                                      double duration) {
    // Written so that a NaN duration does nothing too, instead of a boost that never ends.
    if (!(duration > 0.0))
        return;
    if (boostTime < 0.0) {
        baseMaxSpeed = maxSpeed;
        baseTurnSpeed = turnSpeed;
    }
    boostTime = duration;
    thrust->setMagnitude(std::max(thrustForce + thrustIncrement, 0.0));
    brake->setDeceleration(std::max(brakeForce + brakeIncrement, 0.0));
    maxSpeed = std::max(baseMaxSpeed + maxSpeedIncrement, 0.0);
    turnSpeed = std::max(baseTurnSpeed + turnSpeedIncrement, 0.0);
}

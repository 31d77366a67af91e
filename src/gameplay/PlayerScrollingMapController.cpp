#include "gameplay/PlayerScrollingMapController.h"

#include "core/ParamList.h"
#include "physics/Movable.h"
#include "world/Entity.h"

const std::string& PlayerScrollingMapController::typeName() {
    static const std::string type = "PlayerScrollingMapController";
    return type;
}

PlayerScrollingMapController::PlayerScrollingMapController(double driftSpeed, double relThrustSpeed,
                                                           double relBrakeSpeed, double sideSpeed)
    : driftSpeed(driftSpeed), relThrustSpeed(relThrustSpeed), relBrakeSpeed(relBrakeSpeed),
      sideSpeed(sideSpeed) {}

PlayerScrollingMapController* PlayerScrollingMapController::fromParams(const ParamList& params) {
    double driftSpeed = 0.0, relThrustSpeed = 0.0, relBrakeSpeed = 0.0, sideSpeed = 0.0;
    params.getRequired("driftSpeed", driftSpeed, typeName());
    params.getRequired("relThrustSpeed", relThrustSpeed, typeName());
    params.getRequired("relBrakeSpeed", relBrakeSpeed, typeName());
    params.getRequired("sideSpeed", sideSpeed, typeName());
    return new PlayerScrollingMapController(driftSpeed, relThrustSpeed, relBrakeSpeed, sideSpeed);
}

void PlayerScrollingMapController::entityChanged(Entity* newEntity, Entity* oldEntity) {
    PlayerInputController::entityChanged(newEntity, oldEntity);
    if (!newEntity)
        return;
    if (Movable* movable = newEntity->getComponent<Movable>(Movable::typeName())) {
        // The held actions belonged to the old ship; the new one drifts straight ahead.
        forwardState = Coasting;
        sideState = Straight;
        movable->setVelocity(Vector2(driftSpeed, 0.0));
    }
}

double PlayerScrollingMapController::forwardSpeed() const {
    switch (forwardState) {
    case Thrusting:
        return driftSpeed + relThrustSpeed;
    case Braking:
        return driftSpeed + relBrakeSpeed;
    default:
        return driftSpeed;
    }
}

double PlayerScrollingMapController::sidewaysSpeed() const {
    switch (sideState) {
    case MovingLeft:
        return sideSpeed;
    case MovingRight:
        return -sideSpeed;
    default:
        return 0.0;
    }
}

void PlayerScrollingMapController::applyForward() const {
    if (Movable* movable = getMovable()) {
        movable->setVelocity(Vector2(forwardSpeed(), movable->getVelocity().y));
        movable->setRelativeToOrientation(false);
    }
}

void PlayerScrollingMapController::applySideways() const {
    if (Movable* movable = getMovable()) {
        movable->setVelocity(Vector2(movable->getVelocity().x, sidewaysSpeed()));
        movable->setRelativeToOrientation(false);
    }
}

void PlayerScrollingMapController::recompute() const {
    if (Movable* movable = getMovable()) {
        movable->setVelocity(Vector2(forwardSpeed(), sidewaysSpeed()));
        movable->setRelativeToOrientation(false);
    }
}

void PlayerScrollingMapController::actionStarted(const PlayerActionEventPtr& event) {
    if (!getMovable())
        return;
    switch (event->getAction()) {
    case PlayerActionType::Thrust:
        if (forwardState == Thrusting)
            break;
        cancelAction(PlayerActionType::Brake);
        forwardState = Thrusting;
        applyForward();
        break;
    case PlayerActionType::Brake:
        if (forwardState == Braking)
            break;
        cancelAction(PlayerActionType::Thrust);
        forwardState = Braking;
        applyForward();
        break;
    case PlayerActionType::TurnRight:
        if (sideState == MovingRight)
            break;
        cancelAction(PlayerActionType::TurnLeft);
        sideState = MovingRight;
        applySideways();
        break;
    case PlayerActionType::TurnLeft:
        if (sideState == MovingLeft)
            break;
        cancelAction(PlayerActionType::TurnRight);
        sideState = MovingLeft;
        applySideways();
        break;
    case PlayerActionType::Shoot:
        queueShot(event->getTime());
        break;
    default:
        break;
    }
}

void PlayerScrollingMapController::actionStopped(const PlayerActionEventPtr& event) {
    if (!getMovable())
        return;
    PlayerActionType action = event->getAction();
    if ((action == PlayerActionType::Thrust && forwardState == Thrusting) ||
        (action == PlayerActionType::Brake && forwardState == Braking)) {
        forwardState = Coasting;
        applyForward();
    } else if ((action == PlayerActionType::TurnRight && sideState == MovingRight) ||
               (action == PlayerActionType::TurnLeft && sideState == MovingLeft)) {
        sideState = Straight;
        applySideways();
    }
}

void PlayerScrollingMapController::updateProcess(double seconds) {
    if (boostTime == 0.0) {
        relThrustSpeed = baseRelThrustSpeed;
        relBrakeSpeed = baseRelBrakeSpeed;
        driftSpeed = baseDriftSpeed;
        sideSpeed = baseSideSpeed;
        recompute();
    }
    if (boostTime > 0.0) {
        boostTime -= seconds;
        if (boostTime < 0.0)
            boostTime = 0.0;
    }
}

void PlayerScrollingMapController::boost(double thrustIncrement, double brakeIncrement,
                                         double driftIncrement, double sideIncrement,
                                         double duration) {
    // Written so that a NaN duration does nothing too, instead of a boost that never ends.
    if (!(duration > 0.0))
        return;
    if (boostTime < 0.0) {
        baseRelThrustSpeed = relThrustSpeed;
        baseRelBrakeSpeed = relBrakeSpeed;
        baseDriftSpeed = driftSpeed;
        baseSideSpeed = sideSpeed;
    }
    boostTime = duration;
    relThrustSpeed = baseRelThrustSpeed + thrustIncrement;
    relBrakeSpeed = baseRelBrakeSpeed + brakeIncrement;
    driftSpeed = baseDriftSpeed + driftIncrement;
    sideSpeed = baseSideSpeed + sideIncrement;
    recompute();
}

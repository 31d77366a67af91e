#include "gameplay/PlayerStaticMapController.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "gameplay/BulletShooterActionEvent.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "physics/Force.h"
#include "physics/TranslationalDecellerator.h"
#include "support/RecordingListener.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

typedef PlayerStaticMapController Controller;

// thrust 200, brake 100, max speed 300, turn 2, side-steps of 150 for 0.05 s then 0.1 s rest.
Controller* makeController(double stepSpeed = 150.0) {
    return new Controller(200.0, 100.0, 300.0, 2.0, stepSpeed, 0.05, 0.1);
}

class StaticShip : public ::testing::Test {
protected:
    StaticShip() : controller(makeController()), world({controller}) {}

    bool acting(const MovableAffectorPtr& affector) const {
        return world.movable()->getAffectors().count(affector) != 0;
    }
    double speed() const { return world.movable()->getVelocity().length(); }

    Controller* controller;
    ShipScene world;
};

TEST_F(StaticShip, BrakeWhileThrustingTakesTheThrustAwayAndBrakes) {
    world.start(PlayerActionType::Thrust);
    EXPECT_TRUE(acting(controller->getThrust()));

    world.start(PlayerActionType::Brake);
    EXPECT_FALSE(acting(controller->getThrust()));
    EXPECT_TRUE(acting(controller->getBrake()));

    world.start(PlayerActionType::Thrust);
    EXPECT_TRUE(acting(controller->getThrust()));
    EXPECT_FALSE(acting(controller->getBrake()));
}

TEST_F(StaticShip, ThrustPushesAlongTheNose) {
    world.node()->setOrientation(Vector2(0.0, 1.0));
    world.start(PlayerActionType::Thrust);
    world.tick(10);
    Vector2 velocity = world.movable()->getVelocity();
    EXPECT_NEAR(velocity.x, 0.0, 1e-9);
    EXPECT_NEAR(velocity.y, 200.0 * 0.16, 1e-9);

    world.stop(PlayerActionType::Thrust);
    EXPECT_FALSE(acting(controller->getThrust()));
}

TEST_F(StaticShip, OppositeTurnsReplaceEachOtherAndStoppingEndsTheTurn) {
    world.start(PlayerActionType::TurnLeft);
    EXPECT_DOUBLE_EQ(world.movable()->getRotationalVelocity(), 2.0);
    world.start(PlayerActionType::TurnRight);
    EXPECT_DOUBLE_EQ(world.movable()->getRotationalVelocity(), -2.0);
    world.stop(PlayerActionType::TurnRight);
    EXPECT_DOUBLE_EQ(world.movable()->getRotationalVelocity(), 0.0);
}

TEST_F(StaticShip, SideStepGoesThroughSteppingAndRecoveringBackToReady) {
    world.start(PlayerActionType::StepLeft);
    EXPECT_EQ(controller->getStepState(), Controller::Stepping);
    EXPECT_DOUBLE_EQ(world.movable()->getVelocity().y, 150.0);

    // Pressing again while stepping changes nothing.
    world.start(PlayerActionType::StepRight);
    EXPECT_DOUBLE_EQ(world.movable()->getVelocity().y, 150.0);

    // The burst of 0.05 s is taken back on the fifth physics step.
    world.tick(4);
    EXPECT_EQ(controller->getStepState(), Controller::Stepping);
    world.tick(1);
    EXPECT_EQ(controller->getStepState(), Controller::Recovering);
    EXPECT_DOUBLE_EQ(world.movable()->getVelocity().y, 0.0);

    world.start(PlayerActionType::StepLeft);
    EXPECT_EQ(controller->getStepState(), Controller::Recovering);
    EXPECT_DOUBLE_EQ(world.movable()->getVelocity().y, 0.0);

    world.run(0.12);
    EXPECT_EQ(controller->getStepState(), Controller::Ready);
    world.start(PlayerActionType::StepRight);
    EXPECT_DOUBLE_EQ(world.movable()->getVelocity().y, -150.0);
    // Right is the ship's own right, whichever way it faces.
    world.run(0.2);
    world.node()->setOrientation(Vector2(0.0, 1.0));
    world.start(PlayerActionType::StepRight);
    EXPECT_NEAR(world.movable()->getVelocity().x, 150.0, 1e-9);
}

TEST(StaticShipRecovery, ReadyOnlyOnceTheRecoveryTimeIsExceeded) {
    // The recovery time is exactly three steps' worth, as the timer adds them up.
    double recovery = 0.0;
    for (int step = 0; step < 3; ++step)
        recovery += ShipScene::step;
    auto controller = new Controller(200.0, 100.0, 300.0, 2.0, 150.0, 0.05, recovery);
    ShipScene world({controller});
    world.start(PlayerActionType::StepLeft);
    world.tick(5);
    ASSERT_EQ(controller->getStepState(), Controller::Recovering);
    world.tick(3);
    EXPECT_EQ(controller->getStepState(), Controller::Recovering);
    world.tick();
    EXPECT_EQ(controller->getStepState(), Controller::Ready);
}

TEST(StaticShipWithoutSteps, StepSpeedZeroDisablesSideSteps) {
    auto controller = makeController(0.0);
    ShipScene world({controller});
    world.start(PlayerActionType::StepLeft);
    EXPECT_EQ(controller->getStepState(), Controller::Ready);
    EXPECT_TRUE(world.movable()->getAffectors().empty());
}

TEST_F(StaticShip, SpeedIsCappedOnlyOutsideASideStep) {
    world.movable()->setVelocity(Vector2(300.0, 0.0));
    world.start(PlayerActionType::StepLeft);
    world.tick(3);
    EXPECT_NEAR(speed(), std::hypot(300.0, 150.0), 1e-9);

    // A push above the cap while not stepping is cut back to it, in the same direction.
    world.run(0.3);
    ASSERT_EQ(controller->getStepState(), Controller::Ready);
    world.movable()->setVelocity(Vector2(300.0, 400.0));
    world.tick();
    EXPECT_NEAR(world.movable()->getVelocity().x, 180.0, 1e-9);
    EXPECT_NEAR(world.movable()->getVelocity().y, 240.0, 1e-9);
}

TEST_F(StaticShip, BoostEndsAfterItsTimeAndRestoresTheBaseValues) {
    controller->boost(100.0, 50.0, -1000.0, 1.0, 5.0);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 0.0);
    EXPECT_DOUBLE_EQ(controller->getTurnSpeed(), 3.0);
    EXPECT_DOUBLE_EQ(controller->getThrust()->getMagnitude(), 300.0);
    EXPECT_DOUBLE_EQ(controller->getBrake()->getDeceleration(), 150.0);

    world.run(4.9);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 0.0);
    world.run(0.2);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 300.0);
    EXPECT_DOUBLE_EQ(controller->getTurnSpeed(), 2.0);
    EXPECT_DOUBLE_EQ(controller->getThrust()->getMagnitude(), 200.0);
    EXPECT_DOUBLE_EQ(controller->getBrake()->getDeceleration(), 100.0);
}

TEST_F(StaticShip, SecondBoostRestartsFromTheBaseValues) {
    controller->boost(0.0, 0.0, 50.0, 0.0, 5.0);
    world.run(3.0);
    controller->boost(0.0, 0.0, 100.0, 0.0, 5.0);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 400.0);
    world.run(4.9);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 400.0);
    world.run(0.2);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 300.0);

    // After expiry the saved values stay the base of the next boost.
    controller->boost(0.0, 0.0, 10.0, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 310.0);
    world.run(1.1);
    // No positive duration, no boost.
    controller->boost(0.0, 0.0, 100.0, 0.0, 0.0);
    controller->boost(0.0, 0.0, 100.0, 0.0, std::nan(""));
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 300.0);
}

TEST_F(StaticShip, ShootQueuesOneBulletEventStampedWithTheActionTime) {
    RecordingListener shots(EventType::BulletShooterAction);
    world.ship()->addListener(&shots);
    world.send(PlayerActionType::Shoot, true, 0.0);
    EXPECT_TRUE(shots.heard.empty());

    world.tick();
    ASSERT_EQ(shots.heard.size(), 1u);
    EXPECT_DOUBLE_EQ(shots.heard[0]->getTime(), 0.0);
    EXPECT_NE(boost::dynamic_pointer_cast<BulletShooterActionEvent>(shots.heard[0]), nullptr);

    world.send(PlayerActionType::Shoot, false, 0.0);
    world.tick();
    EXPECT_EQ(shots.heard.size(), 1u);
}

TEST_F(StaticShip, RemovedControllerStopsTheEngineAndHearsNoMoreBursts) {
    world.start(PlayerActionType::Thrust);
    world.start(PlayerActionType::StepLeft);
    ASSERT_TRUE(world.ship()->removeComponent(controller));
    EXPECT_FALSE(acting(controller->getThrust()));
    delete controller;
    // The side-step burst outlives its controller and ends without telling it.
    world.tick(10);
    EXPECT_NEAR(world.movable()->getVelocity().y, 0.0, 1e-9);
}

TEST(StaticMapControllerOnBareEntity, IgnoresEveryActionWithoutAMovable) {
    SceneManager scene;
    SceneNode* node = Entity::create("Ship", {makeController()});
    scene.addNode(node);
    RecordingListener shots(EventType::BulletShooterAction);
    node->getEntity()->addListener(&shots);
    node->getEntity()->sendEvent(
        EventPtr(new PlayerActionEvent(PlayerActionType::Shoot, true, 0, 0, 0.0)));
    scene.updateProcess(0.016);
    EXPECT_TRUE(shots.heard.empty());
}

TEST(StaticMapControllerRole, OneInputControllerPerShipFoundByItsRole) {
    Entity ship("Ship");
    Controller* first = makeController();
    ASSERT_TRUE(ship.addComponent(first));
    EXPECT_EQ(ship.getComponent(PlayerInputController::roleName()), first);
    EXPECT_EQ(ship.getComponent(Controller::typeName()), first);

    PlayerScrollingMapController second(50.0, 10.0, -10.0, 5.0);
    EXPECT_FALSE(ship.addComponent(&second));
}

TEST(StaticMapControllerParams, RequiredParametersAndStepDefaults) {
    ParamList params;
    params.set("thrustForce", "0");
    params.set("brakeForce", "10");
    params.set("maxSpeed", "100");
    EXPECT_THROW(Controller::fromParams(params), myexception);

    params.set("turnSpeed", "fast");
    try {
        Controller::fromParams(params);
        FAIL();
    } catch (const myexception& error) {
        EXPECT_STREQ(error.what(),
                     "PlayerStaticMapController Unable to convert parameter 'turnSpeed' to double");
    }

    // A thrust of 0 is legal, although a Force of zero length is not.
    params.set("turnSpeed", "1.5");
    std::unique_ptr<Controller> made(Controller::fromParams(params));
    EXPECT_DOUBLE_EQ(made->getThrust()->getMagnitude(), 0.0);
    EXPECT_DOUBLE_EQ(made->getTurnSpeed(), 1.5);
}

} // namespace

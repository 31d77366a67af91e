#include "gameplay/PlayerStaticMapController.h"

#include "gameplay/BulletShooterActionEvent.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "physics/Force.h"
#include "physics/TranslationalDecellerator.h"
#include "support/Params.h"
#include "support/RecordingListener.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

typedef PlayerStaticMapController Controller;

// thrust 200, brake 100, max speed 300, turn 2, side-steps of 150 for 0.05 s then a rest.
Controller* makeController(double stepSpeed = 150.0, double recovery = 0.1) {
    return new Controller(200.0, 100.0, 300.0, 2.0, stepSpeed, 0.05, recovery);
}

struct StaticShip {
    explicit StaticShip(Controller* made = makeController()) : controller(made), world({made}) {}
    bool acting(const MovableAffectorPtr& affector) const {
        return world.movable()->getAffectors().count(affector) != 0;
    }
    Vector2 velocity() const { return world.movable()->getVelocity(); }
    Controller* controller;
    ShipScene world;
};

TEST(StaticShip, ThrustBrakeAndTurnsReplaceEachOther) {
    const struct {
        const char* actions;
        bool thrust, brake;
        double turn;
    } cases[] = {{"Thrust+", true, false, 0.0},
                 {"Thrust+ Brake+", false, true, 0.0},
                 {"Thrust+ Brake+ Thrust+", true, false, 0.0},
                 {"Thrust+ Thrust-", false, false, 0.0},
                 {"TurnLeft+", false, false, 2.0},
                 {"TurnLeft+ TurnRight+", false, false, -2.0},
                 {"TurnLeft+ TurnRight+ TurnRight-", false, false, 0.0}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.actions);
        StaticShip ship;
        ship.world.play(entry.actions);
        EXPECT_EQ(ship.acting(ship.controller->getThrust()), entry.thrust);
        EXPECT_EQ(ship.acting(ship.controller->getBrake()), entry.brake);
        EXPECT_DOUBLE_EQ(ship.world.movable()->getRotationalVelocity(), entry.turn);
    }
}

TEST(StaticShip, SideStepGoesThroughSteppingAndRecoveringBackToReady) {
    StaticShip ship;
    ship.world.play("StepLeft+ StepRight+"); // pressing again while stepping changes nothing
    EXPECT_DOUBLE_EQ(ship.velocity().y, 150.0);
    // The burst of 0.05 s is taken back on the fifth physics step.
    ship.world.tick(4);
    EXPECT_EQ(ship.controller->getStepState(), Controller::Stepping);
    ship.world.tick(1);
    EXPECT_DOUBLE_EQ(ship.velocity().y, 0.0);
    ship.world.play("StepLeft+"); // recovering
    EXPECT_DOUBLE_EQ(ship.velocity().y, 0.0);
    ship.world.run(0.12);
    ship.world.play("StepRight+");
    EXPECT_DOUBLE_EQ(ship.velocity().y, -150.0);
    // Right is the ship's own right, whichever way it faces.
    ship.world.run(0.2);
    ship.world.node()->setOrientation(Vector2(0.0, 1.0));
    ship.world.play("StepRight+");
    EXPECT_NEAR(ship.velocity().x, 150.0, 1e-9);
}

TEST(StaticShip, ReadyOnlyOnceTheRecoveryTimeIsExceededAndNeverWithoutStepSpeed) {
    const double recovery = ShipScene::step + ShipScene::step + ShipScene::step; // timer's sum
    StaticShip ship(makeController(150.0, recovery)), still(makeController(0.0));
    ship.world.play("StepLeft+");
    ship.world.tick(8);
    EXPECT_EQ(ship.controller->getStepState(), Controller::Recovering);
    ship.world.tick();
    EXPECT_EQ(ship.controller->getStepState(), Controller::Ready);
    still.world.play("StepLeft+");
    EXPECT_TRUE(still.world.movable()->getAffectors().empty());
}

TEST(StaticShip, SpeedIsCappedOnlyOutsideASideStep) {
    StaticShip ship;
    ship.world.movable()->setVelocity(Vector2(300.0, 0.0));
    ship.world.play("StepLeft+");
    ship.world.tick(3);
    EXPECT_NEAR(ship.velocity().length(), std::hypot(300.0, 150.0), 1e-9);
    // A push above the cap while not stepping is cut back to it, in the same direction.
    ship.world.run(0.3);
    ship.world.movable()->setVelocity(Vector2(300.0, 400.0));
    ship.world.tick();
    EXPECT_NEAR(ship.velocity().x, 180.0, 1e-9);
    EXPECT_NEAR(ship.velocity().y, 240.0, 1e-9);
}

TEST(StaticShip, BoostEndsAfterItsTimeAndEachStartsFromTheBaseValues) {
    StaticShip ship;
    Controller* controller = ship.controller;
    controller->boost(100.0, 50.0, -1000.0, 1.0, 5.0);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 0.0); // never below zero
    EXPECT_DOUBLE_EQ(controller->getBrake()->getDeceleration(), 150.0);
    ship.world.run(3.0);
    controller->boost(0.0, 0.0, 100.0, 0.0, 5.0);
    EXPECT_DOUBLE_EQ(controller->getThrust()->getMagnitude(), 200.0);
    ship.world.run(4.9);
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 400.0);
    ship.world.run(0.2);
    controller->boost(0.0, 0.0, 100.0, 0.0, 0.0); // no positive duration, no boost
    controller->boost(0.0, 0.0, 100.0, 0.0, std::nan(""));
    EXPECT_DOUBLE_EQ(controller->getMaxSpeed(), 300.0);
}

TEST(StaticShip, ShootQueuesOneBulletEventStampedWithTheActionTime) {
    StaticShip ship;
    RecordingListener shots(EventType::BulletShooterAction);
    ship.world.ship()->addListener(&shots);
    ship.world.send(PlayerActionType::Shoot, true, 0.02);
    ship.world.tick(2);
    ship.world.send(PlayerActionType::Shoot, false, 0.04);
    ship.world.tick();
    ASSERT_EQ(shots.heard.size(), 1u);
    EXPECT_DOUBLE_EQ(shots.heard[0]->getTime(), 0.02);
}

TEST(StaticShip, RemovedControllerStopsTheEngineAndHearsNoMoreBursts) {
    StaticShip ship;
    ship.world.play("Thrust+ StepLeft+");
    ASSERT_TRUE(ship.world.ship()->removeComponent(ship.controller));
    EXPECT_FALSE(ship.acting(ship.controller->getThrust()));
    delete ship.controller;
    ship.world.tick(10); // the burst outlives its controller and ends without telling it
    EXPECT_NEAR(ship.velocity().y, 0.0, 1e-9);
}

TEST(StaticShip, WithoutAMovableActionsAreIgnoredAndAZeroThrustIsLegal) {
    SceneManager scene;
    SceneNode* node = Entity::create("Ship", {makeController()});
    scene.addNode(node);
    RecordingListener shots(EventType::BulletShooterAction);
    node->getEntity()->addListener(&shots);
    node->getEntity()->sendEvent(EventPtr(new PlayerActionEvent(PlayerActionType::Shoot, true)));
    scene.updateProcess(0.016);
    EXPECT_TRUE(shots.heard.empty());
    PlayerScrollingMapController second(50.0, 10.0, -10.0, 5.0); // one input controller per ship
    EXPECT_FALSE(node->getEntity()->addComponent(&second));
    std::unique_ptr<Controller> made(
        Controller::fromParams(paramList("thrustForce=0 brakeForce=10 maxSpeed=10 turnSpeed=10")));
    EXPECT_DOUBLE_EQ(made->getThrust()->getMagnitude(), 0.0);
}

} // namespace

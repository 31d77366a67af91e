#include "gameplay/PlayerScrollingMapController.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

namespace {

typedef PlayerScrollingMapController Controller;

// Drift 50, thrust +40, brake -30, sideways 25.
class ScrollingShip : public ::testing::Test {
protected:
    ScrollingShip() : controller(new Controller(50.0, 40.0, -30.0, 25.0)), world({controller}) {}

    Vector2 velocity() const { return world.movable()->getVelocity(); }

    Controller* controller;
    ShipScene world;
};

TEST_F(ScrollingShip, DriftsForwardFromTheStart) {
    EXPECT_DOUBLE_EQ(velocity().x, 50.0);
    EXPECT_DOUBLE_EQ(velocity().y, 0.0);
    world.tick(10);
    EXPECT_NEAR(world.node()->getPosition().x, 50.0 * 0.16, 1e-9);
}

TEST_F(ScrollingShip, HoldingBrakeMovesAtDriftPlusBrakeSpeed) {
    world.start(PlayerActionType::Brake);
    world.tick(10);
    EXPECT_NEAR(world.node()->getPosition().x, 20.0 * 0.16, 1e-9);
    world.stop(PlayerActionType::Brake);
    EXPECT_DOUBLE_EQ(velocity().x, 50.0);
}

TEST_F(ScrollingShip, ThrustAndBrakeCancelEachOther) {
    world.start(PlayerActionType::Thrust);
    EXPECT_DOUBLE_EQ(velocity().x, 90.0);
    world.start(PlayerActionType::Brake);
    EXPECT_EQ(controller->getForwardState(), Controller::Braking);
    EXPECT_DOUBLE_EQ(velocity().x, 20.0);
    // The thrust was cancelled already; its late release leaves the brake on.
    world.stop(PlayerActionType::Thrust);
    EXPECT_DOUBLE_EQ(velocity().x, 20.0);
}

TEST_F(ScrollingShip, TurnActionsMoveSidewaysWithoutTurning) {
    world.start(PlayerActionType::TurnLeft);
    EXPECT_DOUBLE_EQ(velocity().y, 25.0);
    world.start(PlayerActionType::TurnRight);
    EXPECT_DOUBLE_EQ(velocity().y, -25.0);
    EXPECT_EQ(controller->getSideState(), Controller::MovingRight);
    world.stop(PlayerActionType::TurnLeft);
    EXPECT_DOUBLE_EQ(velocity().y, -25.0);
    world.stop(PlayerActionType::TurnRight);
    EXPECT_DOUBLE_EQ(velocity().y, 0.0);
    world.tick(5);
    EXPECT_EQ(world.node()->getOrientation().x, 1.0);
    EXPECT_EQ(world.node()->getOrientation().y, 0.0);
}

TEST_F(ScrollingShip, BoostAddsToTheBaseSpeedsAndRestoresThem) {
    world.start(PlayerActionType::Thrust);
    controller->boost(20.0, 0.0, 10.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(velocity().x, 120.0);

    world.run(3.0);
    // A second boost starts again from the values before the first one.
    controller->boost(0.0, 0.0, 100.0, 0.0, 5.0);
    EXPECT_DOUBLE_EQ(velocity().x, 190.0);
    EXPECT_DOUBLE_EQ(controller->getSideSpeed(), 25.0);

    world.run(4.9);
    EXPECT_DOUBLE_EQ(controller->getDriftSpeed(), 150.0);
    world.run(0.2);
    EXPECT_DOUBLE_EQ(controller->getDriftSpeed(), 50.0);
    EXPECT_DOUBLE_EQ(velocity().x, 90.0);
}

TEST(ScrollingMapControllerParams, AllFourSpeedsAreRequired) {
    ParamList params;
    params.set("driftSpeed", "50");
    params.set("relThrustSpeed", "40");
    params.set("relBrakeSpeed", "-30");
    try {
        Controller::fromParams(params);
        FAIL();
    } catch (const myexception& error) {
        EXPECT_STREQ(error.what(),
                     "PlayerScrollingMapController Could not find parameter 'sideSpeed'");
    }
    params.set("sideSpeed", "25");
    std::unique_ptr<Controller> made(Controller::fromParams(params));
    EXPECT_DOUBLE_EQ(made->getRelBrakeSpeed(), -30.0);
}

} // namespace

#include "gameplay/PlayerScrollingMapController.h"

#include "support/ShipScene.h"

#include <gtest/gtest.h>

namespace {

typedef PlayerScrollingMapController Controller;

// Drift 50, thrust +40, brake -30, sideways 25.
struct ScrollingShip {
    Controller* controller = new Controller(50.0, 40.0, -30.0, 25.0);
    ShipScene world{std::vector<Component*>{controller}};
    Vector2 velocity() const { return world.movable()->getVelocity(); }
};

TEST(ScrollingShip, ActionsSetTheSpeedsAndCancelEachOther) {
    const std::pair<const char*, Vector2> cases[] = {
        {"", {50, 0}},
        {"Thrust+", {90, 0}},
        {"Thrust+ Brake+", {20, 0}},
        {"Thrust+ Brake+ Thrust-", {20, 0}},
        {"Brake+ Brake-", {50, 0}},
        {"TurnLeft+", {50, 25}},
        {"TurnLeft+ TurnRight+ TurnLeft-", {50, -25}},
        {"TurnLeft+ TurnRight+ TurnLeft- TurnRight-", {50, 0}}};
    for (const auto& [actions, velocity] : cases) {
        SCOPED_TRACE(actions);
        ScrollingShip ship;
        ship.world.play(actions);
        EXPECT_DOUBLE_EQ(ship.velocity().x, velocity.x);
        EXPECT_DOUBLE_EQ(ship.velocity().y, velocity.y);
    }
}

TEST(ScrollingShip, BoostAddsToTheBaseSpeedsAndRestoresThem) {
    ScrollingShip ship;
    ship.world.play("Thrust+");
    ship.controller->boost(20.0, 0.0, 10.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(ship.velocity().x, 120.0);
    ship.world.run(3.0);
    // A second boost starts again from the values before the first one.
    ship.controller->boost(0.0, 0.0, 100.0, 0.0, 5.0);
    EXPECT_DOUBLE_EQ(ship.velocity().x, 190.0);
    EXPECT_DOUBLE_EQ(ship.controller->getSideSpeed(), 25.0);
    ship.world.run(4.9);
    EXPECT_DOUBLE_EQ(ship.velocity().x, 190.0);
    ship.world.run(0.2);
    EXPECT_DOUBLE_EQ(ship.velocity().x, 90.0);
}

} // namespace

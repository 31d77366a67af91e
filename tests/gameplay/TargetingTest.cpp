#include "gameplay/PlayingArea.h"
#include "gameplay/ScreenWrapper.h"
#include "gameplay/StaticSpeedTargetAvoider.h"
#include "gameplay/StaticSpeedTargetFollower.h"
#include "gameplay/TargetSeeker.h"
#include "gameplay/Targetable.h"
#include "gameplay/TurnAndDashTargetFollower.h"
#include "physics/StaticCollidable.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const double degree = M_PI / 180.0;

// The ship chases or avoids; targets are plain entities added to its scene.
class Chase : public ShipScene {
public:
    explicit Chase(std::vector<Component*> parts) : ShipScene(parts) {}
    Entity* seekerTarget() const {
        return ship()->getComponent<TargetSeeker>(TargetSeeker::typeName())->getTarget();
    }
    double heading() const { return node()->getWorldOrientation().angle(); }
};

} // namespace

TEST(StaticSpeedTargetFollower, TurnsAtMostTurnSpeedNeverPastTheTargetAndNotInsideTheDeadAngle) {
    const struct {
        double bearing, turnSpeed, expectedTurn;
    } cases[] = {
        {2 * degree, 1.0, 0.0},      {-2 * degree, 1.0, 0.0},        {3 * degree, 1.0, 0.016},
        {-90 * degree, 1.0, -0.016}, {3 * degree, 10.0, 3 * degree}, {170 * degree, 1.0, 0.016},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bearing);
        Chase world({new TargetSeeker("T"), new StaticSpeedTargetFollower(c.turnSpeed, -1.0)});
        world.movable()->setVelocity({50, 0});
        world.add("Target", Vector2::fromAngle(c.bearing) * 100.0, {new Targetable("T")});
        world.tick();
        EXPECT_NEAR(c.expectedTurn, world.heading(), 1e-12);
        EXPECT_NEAR(c.expectedTurn, world.movable()->getVelocity().angle(), 1e-12);
        EXPECT_NEAR(50.0, world.movable()->getVelocity().length(), 1e-9);
    }
}

TEST(TargetFollower, NoNanFromATargetRightOnTheFollower) {
    const std::function<Component*()> followers[] = {
        [] { return new StaticSpeedTargetFollower(1.0, -1.0); },
        [] { return new TurnAndDashTargetFollower(1.0, 10.0); },
        [] { return new StaticSpeedTargetAvoider(1.0, 1.0, 10.0, 20.0); }};
    for (const auto& make : followers) {
        Chase world({new TargetSeeker("T"), new Targetable("T"), make()});
        world.movable()->setVelocity({50, 0});
        world.tick(3);
        ASSERT_EQ(world.ship(), world.seekerTarget());
        const Vector2 position = world.node()->getWorldPosition();
        EXPECT_TRUE(std::isfinite(position.x + position.y + world.heading() +
                                  world.movable()->getVelocity().length()));
    }
}

TEST(TargetFollower, TargetVectorTakesTheShortWayRoundOnlyBetweenActiveWrappers) {
    const struct {
        bool targetWraps;
        double followerBox; // half size; 0 for no wrapper, 100 sticks out (never inside)
        Vector2 expected;
    } cases[] = {{true, 1, {100, 70}},
                 {true, 0, {100, 70}},
                 {true, 100, {-700, -530}},
                 {false, 1, {-700, -530}}};
    for (const auto& c : cases) {
        Chase world({});
        world.add("Field", {}, {new PlayingArea(AxisAlignedBox({-400, -300}, {400, 300}))});
        auto wrapped = [&](const char* name, const Vector2& at, bool wraps, double half) {
            std::vector<Component*> parts{
                new StaticCollidable(AxisAlignedBox({-half, -half}, {half, half}))};
            if (wraps)
                parts.push_back(new ScreenWrapper("Field"));
            return world.add(name, at, parts)->getEntity();
        };
        Entity* follower = wrapped("Follower", {350, 250}, c.followerBox > 0, c.followerBox);
        Entity* target = wrapped("Target", {-350, -280}, c.targetWraps, 1);
        EXPECT_EQ(c.expected, TargetFollower::worldTargetVector(follower, target))
            << c.targetWraps << " " << c.followerBox;
    }
}

TEST(TurnAndDashTargetFollower, DashesAtTheTargetForOneAndAHalfSecondsThenTurnsInPlace) {
    Chase world({new TargetSeeker("T"), new TurnAndDashTargetFollower(2.0, 10.0)});
    SceneNode* target = world.add("Target", {100, 0}, {new Targetable("T")});
    world.tick();
    EXPECT_EQ(Vector2(10, 0), world.movable()->getVelocity());
    target->setPosition({0, 100});
    world.tick(93); // 1.488 s into the dash
    EXPECT_EQ(Vector2(10, 0), world.movable()->getVelocity());
    EXPECT_EQ(0.0, world.movable()->getRotationalVelocity());
    world.tick();
    EXPECT_EQ(Vector2(0, 0), world.movable()->getVelocity());
    EXPECT_EQ(2.0, world.movable()->getRotationalVelocity());
}

TEST(StaticSpeedTargetAvoider, TurnsTheTargetIntoTheBearingBandOfItsDistance) {
    // Turn speed 2, change 10 per second: 0.16 per step. Bands change at 100, 200 and 300.
    const struct {
        double distance, bearing, rotation, expected;
    } cases[] = {
        {500, 60 * degree, 0.0, 0.16},  {500, 10 * degree, 0.5, 0.34},
        {250, 10 * degree, 0.0, -0.16}, {250, -100 * degree, 0.0, -0.16},
        {150, 100 * degree, -0.1, 0.0}, {50, -30 * degree, 0.0, 0.16},
        {50, 170 * degree, 0.0, 0.16},  {500, 60 * degree, 3.0, 3.0},
    };
    for (const auto& c : cases) {
        auto* avoider = new StaticSpeedTargetAvoider(2.0, 10.0, 100.0, 300.0);
        Chase world({new TargetSeeker("T"), avoider});
        world.add("Target", Vector2::fromAngle(c.bearing) * c.distance, {new Targetable("T")});
        world.movable()->setVelocity({0, 50});
        world.movable()->setRotationalVelocity(c.rotation);
        avoider->updateProcess(ShipScene::step);
        EXPECT_NEAR(c.expected, world.movable()->getRotationalVelocity(), 1e-12)
            << c.distance << " " << c.bearing;
        EXPECT_EQ(Vector2(50, 0), world.movable()->getVelocity());
    }
}

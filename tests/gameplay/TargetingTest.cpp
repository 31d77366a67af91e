#include "core/PlayerActionEvent.h" // ShipScene.h uses it without including it
#include "gameplay/PlayingArea.h"
#include "gameplay/ScreenWrapper.h"
#include "gameplay/StaticSpeedTargetAvoider.h"
#include "gameplay/StaticSpeedTargetFollower.h"
#include "gameplay/TargetSeeker.h"
#include "gameplay/Targetable.h"
#include "gameplay/TargetableGroup.h"
#include "gameplay/TargetableGroupRegistry.h"
#include "gameplay/TargetableGroupSeeker.h"
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
    SceneNode* add(const std::string& name, const Vector2& at, std::vector<Component*> parts) {
        SceneNode* node = Entity::create(name, parts);
        node->setPosition(at);
        scene.addNode(node);
        return node;
    }
    Entity* seekerTarget() const {
        return ship()->getComponent<TargetSeeker>(TargetSeeker::typeName())->getTarget();
    }
    double heading() const { return node()->getWorldOrientation().angle(); }
};

} // namespace

TEST(TargetSeeker, FindsTheTargetThereSwitchesToANewcomerAndLosesItWhenEitherLeaves) {
    for (bool newcomerLeaves : {false, true}) {
        Chase world({});
        SceneNode* first = world.add("First", {10, 0}, {new Targetable("Player")});
        world.add("Decoy", {20, 0}, {new Targetable("Other")});
        world.ship()->addComponent(new TargetSeeker("Player"));
        EXPECT_EQ(first->getEntity(), world.seekerTarget());
        SceneNode* second = world.add("Second", {30, 0}, {new Targetable("Player")});
        EXPECT_EQ(second->getEntity(), world.seekerTarget());
        world.scene.removeNode(newcomerLeaves ? second : first);
        EXPECT_EQ(nullptr, world.seekerTarget());
        delete (newcomerLeaves ? second : first);
    }
}

TEST(StaticSpeedTargetFollower, GroupModeChoosesTheNearestAgainByElapsedTimeAndDropsOneThatLeft) {
    Chase world({new TargetableGroupSeeker("Enemies"), new StaticSpeedTargetFollower(1.0, 0.1)});
    auto* seeker = world.ship()->getComponent<TargetableGroupSeeker>("TargetableGroupSeeker");
    SceneNode* far = world.add("Far", {100, 0}, {new TargetableGroup("Enemies")});
    SceneNode* near = world.add("Near", {50, 0}, {new TargetableGroup("Enemies")});
    world.tick();
    EXPECT_EQ(near->getEntity(), seeker->getTarget());
    far->setPosition({10, 0});
    world.tick(6); // 0.096 s since the choice
    EXPECT_EQ(near->getEntity(), seeker->getTarget());
    world.tick();
    EXPECT_EQ(far->getEntity(), seeker->getTarget());

    world.scene.removeNode(far);
    EXPECT_EQ(nullptr, seeker->getTarget());
    world.tick();
    EXPECT_EQ(near->getEntity(), seeker->getTarget());
    delete far;
    world.scene.removeNode(near);
    delete near;
    EXPECT_EQ(0u, TargetableGroupRegistry::sceneCount());
}

TEST(StaticSpeedTargetFollower, TurnsAtMostTurnSpeedNeverPastTheTargetAndNotInsideTheDeadAngle) {
    struct Case {
        double bearing, turnSpeed, expectedTurn;
    };
    const Case cases[] = {
        {2 * degree, 1.0, 0.0},      {-2 * degree, 1.0, 0.0},        {3 * degree, 1.0, 0.016},
        {-90 * degree, 1.0, -0.016}, {3 * degree, 10.0, 3 * degree}, {170 * degree, 1.0, 0.016},
    };
    for (const Case& c : cases) {
        Chase world({new TargetSeeker("T"), new StaticSpeedTargetFollower(c.turnSpeed, -1.0)});
        world.movable()->setVelocity({50, 0});
        world.add("Target", Vector2::fromAngle(c.bearing) * 100.0, {new Targetable("T")});
        world.tick();
        EXPECT_NEAR(c.expectedTurn, world.heading(), 1e-12) << c.bearing;
        EXPECT_NEAR(c.expectedTurn, world.movable()->getVelocity().angle(), 1e-12) << c.bearing;
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
        EXPECT_TRUE(std::isfinite(position.x) && std::isfinite(position.y));
        EXPECT_TRUE(std::isfinite(world.heading()));
        EXPECT_TRUE(std::isfinite(world.movable()->getVelocity().length()));
    }
}

TEST(TargetFollower, TargetVectorTakesTheShortWayRoundOnlyBetweenActiveWrappers) {
    struct Case {
        bool targetWraps;
        double followerBox; // half size; 0 for no wrapper, 100 sticks out (never inside)
        Vector2 expected;
    };
    const Case cases[] = {{true, 1, {100, 70}},
                          {true, 0, {100, 70}},
                          {true, 100, {-700, -530}},
                          {false, 1, {-700, -530}}};
    for (const Case& c : cases) {
        SceneManager scene;
        scene.addNode(
            Entity::create("Field", {new PlayingArea(AxisAlignedBox({-400, -300}, {400, 300}))}));
        auto wrapped = [&](const char* name, const Vector2& at, bool wraps, double half) {
            std::vector<Component*> parts{
                new StaticCollidable(AxisAlignedBox({-half, -half}, {half, half}))};
            if (wraps)
                parts.push_back(new ScreenWrapper("Field"));
            SceneNode* node = Entity::create(name, parts);
            node->setPosition(at);
            scene.addNode(node);
            return node->getEntity();
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
    struct Case {
        double distance, bearing, rotation, expected;
    };
    // Turn speed 2, change 10 per second: 0.16 per step. Bands change at 100, 200 and 300.
    const Case cases[] = {
        {500, 60 * degree, 0.0, 0.16},  {500, 10 * degree, 0.5, 0.34},
        {250, 10 * degree, 0.0, -0.16}, {250, -100 * degree, 0.0, -0.16},
        {150, 100 * degree, -0.1, 0.0}, {50, -30 * degree, 0.0, 0.16},
        {50, 170 * degree, 0.0, 0.16},  {500, 60 * degree, 3.0, 3.0},
    };
    for (const Case& c : cases) {
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

#include "gameplay/DeflectOnPing.h"
#include "gameplay/FireScriptOnPing.h"
#include "gameplay/PlayerPing.h"

#include "core/ParamList.h"
#include "physics/Movable.h"
#include "physics/PhysicsScene.h"
#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"
#include "support/TemplateFixture.h"

#include <gtest/gtest.h>

namespace {
// A ping (or some other entity) tested at once against all it touches, as a new arrival is.
void touch(PhysicsScene& world, const Vector2& at, bool isPing = true) {
    Component* kind = isPing ? static_cast<Component*>(new PlayerPing()) : new ProbeComponent();
    Entity* entity =
        world.add("Ping", at, {PhysicsScene::box({-5, -5}, {5, 5}), kind})->getEntity();
    world.physics.checkCollidable(entity->getComponent<Collidable>(Collidable::roleName()));
}
} // namespace

TEST(DeflectOnPing, ThrowsTheEntityAwayFromThePingAtItsOwnSpeed) {
    const struct {
        const char* name;
        Vector2 pingAt;
        bool isPing, movable;
        Vector2 velocity, endVelocity, endOrientation;
    } cases[] = {{"moving", {0, 0}, true, true, {0, 3}, {1.8, 2.4}, {0.6, 0.8}},
                 {"at rest, still turns", {0, 0}, true, true, {0, 0}, {0, 0}, {0.6, 0.8}},
                 {"not a ping", {0, 0}, false, true, {0, 3}, {0, 3}, {1, 0}},
                 {"ping exactly on it", {3, 4}, true, true, {0, 3}, {0, 3}, {1, 0}},
                 {"no movable", {0, 0}, true, false, {}, {}, {1, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PhysicsScene world;
        std::vector<Component*> parts{PhysicsScene::box({-5, -5}, {5, 5}), new DeflectOnPing()};
        if (c.movable)
            parts.push_back(new Movable(1.0, c.velocity));
        SceneNode* target = world.add("Target", Vector2(3, 4), parts);
        touch(world, c.pingAt, c.isPing);
        auto* movable = target->getEntity()->getComponent<Movable>(Movable::typeName());
        EXPECT_NEAR(0.0, (c.endVelocity - (movable ? movable->getVelocity() : Vector2())).length(),
                    1e-12);
        EXPECT_NEAR(0.0, (c.endOrientation - target->getWorldOrientation()).length(), 1e-12);
    }
}

using FireScriptOnPingTest = TemplateFixture;

TEST_F(FireScriptOnPingTest, EachTouchingPingRunsTheScriptButNotOnceTheEntityLeftItsScene) {
    PhysicsScene world;
    RecordingListener heard{ProbeEvent::code};
    world.scene.addListener(&heard);
    auto beacon = [&](const std::string& script) {
        return world
            .add("Beacon", Vector2(),
                 {PhysicsScene::box({-5, -5}, {5, 5}),
                  FireScriptOnPing().createNew(params({{"script", script}}))})
            ->getEntity();
    };
    beacon("Ordered");
    beacon("Unwritten");
    touch(world, Vector2(2, 0));
    touch(world, Vector2(-2, 0));
    touch(world, Vector2(0, 2), false);
    // Taken out of its scene by an earlier listener of the same physics step.
    Entity* outside = beacon("Ordered");
    world.scene.removeEntity(outside);
    Entity ping("Ping");
    ping.addComponent(new PlayerPing());
    outside->sendEvent(EventPtr(new CollidableEvent(&ping, outside, 0)));
    // "Ordered" sends one event 1 s into each run.
    for (int tick = 0; tick < 63; ++tick)
        world.scene.updateProcess(PhysicsScene::step);
    EXPECT_EQ(2u, heard.heard.size());
}

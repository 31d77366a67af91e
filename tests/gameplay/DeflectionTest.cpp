#include "gameplay/Deflectable.h"
#include "gameplay/MovableDeflector.h"

#include "physics/Movable.h"
#include "physics/PhysicsScene.h"

#include <gtest/gtest.h>

namespace {
using Reaction = Deflectable::Reaction;

// A rock over (0,0)..(10,10) and a 2 x 2 mover; the scene's queue runs before physics.
SceneNode* rockAndMover(PhysicsScene& world, const Vector2& centre, Reaction reaction,
                        const Vector2& velocity) {
    world.scene.addProcess(&world.physics);
    world.add("Rock", Vector2(), {new MovableDeflector(), world.box(Vector2(), Vector2(10, 10))});
    return world.add("Mover", centre,
                     {new Movable(1.0, velocity), world.box(Vector2(-1, -1), Vector2(1, 1)),
                      new Deflectable(reaction)});
}
} // namespace

TEST(Deflection, MoverIsPushedOutOverTheEdgeItCameInByAndRetested) {
    const struct {
        Vector2 centre;
        Reaction reaction;
        Vector2 endCentre, endVelocity;
    } cases[] = {{{-0.5, 5}, Reaction::Deflect, {-3, 5}, {5, 3}},
                 {{-0.5, 5}, Reaction::Stop, {-3, 5}, {0, 3}},
                 {{9.5, 5}, Reaction::Deflect, {13, 5}, {5, 3}},
                 {{5, 10.5}, Reaction::Stop, {5, 13}, {5, 0}},
                 {{0.5, -0.5}, Reaction::Stop, {-3, -3}, {0, 0}},
                 {{1.5, 5}, Reaction::Stop, {1.5, 5}, {5, 3}},
                 {{-0.5, 5}, Reaction::Kill, {-0.5, 5}, {5, 3}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centre);
        PhysicsScene world;
        SceneNode* mover = rockAndMover(world, c.centre, c.reaction, Vector2(5, 3));
        Entity* entity = mover->getEntity();
        world.physics.checkCollidable(entity->getComponent<Collidable>(Collidable::roleName()));
        const Vector2 velocity = entity->getComponent<Movable>(Movable::typeName())->getVelocity();
        EXPECT_NEAR(0.0, (c.endCentre - mover->getWorldPosition()).length(), 1e-9);
        EXPECT_NEAR(0.0, (c.endVelocity - velocity).length(), 1e-9);
        const bool killed = c.reaction == Reaction::Kill;
        EXPECT_EQ(killed, world.scene.isMarkedForDeletion(mover));
        EXPECT_EQ(killed ? 0u : 1u, world.scene.queuedEventCount());
    }
}

// Pushed between two rocks once per update, not over and over in one queue run; one re-test waits.
TEST(Deflection, MoverWedgedBetweenTwoObstaclesIsPushedOncePerUpdate) {
    PhysicsScene world;
    SceneNode* mover = rockAndMover(world, Vector2(10.5, 5), Reaction::Deflect, Vector2(0, 0));
    world.add("Rock", Vector2(), {new MovableDeflector(), world.box({13, 0}, {23, 10})});
    for (int tick = 0; tick < 200; ++tick) {
        world.scene.updateProcess(PhysicsScene::step);
        ASSERT_EQ(1u, world.scene.queuedEventCount()) << "tick " << tick;
        ASSERT_EQ(13.0, mover->getWorldPosition().x) << "tick " << tick;
    }
}

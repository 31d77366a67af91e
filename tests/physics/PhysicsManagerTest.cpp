#include "PhysicsScene.h"

#include "physics/CheckCollidableActionEvent.h"
#include "physics/Circle.h"
#include "physics/Movable.h"

#include <gtest/gtest.h>

namespace {

typedef std::vector<std::string> Journal;

class PhysicsManagerTest : public ::testing::Test {
protected:
    SceneNode* crate(const std::string& name, const Vector2& position) {
        SceneNode* node = world.add(name, position, {PhysicsScene::box({-1, -1}, {1, 1})});
        world.listen(node->getEntity());
        return node;
    }
    Collidable* collidableOf(SceneNode* node) {
        return node->getEntity()->getComponent<Collidable>(Collidable::roleName());
    }

    PhysicsScene world;
};

} // namespace

TEST_F(PhysicsManagerTest, OverlapStartsAndEndsOnceEachAndTouchingIsNotOverlap) {
    SceneNode* a = crate("a", {0, 0});
    crate("b", {3, 0});
    EXPECT_TRUE(world.stepAndTake().empty());
    a->setPosition({1, 0}); // edges meet at x = 2
    EXPECT_TRUE(world.stepAndTake().empty());
    a->setPosition({1.5, 0});
    EXPECT_EQ((Journal{"a: start a b", "b: start a b"}), world.stepAndTake());
    a->setPosition({3, 0});
    EXPECT_TRUE(world.stepAndTake().empty());
    EXPECT_TRUE(world.stepAndTake().empty());
    a->setPosition({5, 0}); // edges meet at x = 4
    EXPECT_EQ((Journal{"a: end a b", "b: end a b"}), world.stepAndTake());
    EXPECT_TRUE(world.stepAndTake().empty());
    EXPECT_EQ(0u, world.physics.contactCount());
}

TEST_F(PhysicsManagerTest, MovablesMoveBeforeContactsAreTested) {
    SceneNode* a =
        world.add("a", {0, 0}, {PhysicsScene::box({-1, -1}, {1, 1}), new Movable(1.0, {100, 0})});
    world.listen(a->getEntity());
    crate("b", {4, 0});
    EXPECT_TRUE(world.stepAndTake().empty()); // a's right edge at 2.6, b's left edge at 3
    EXPECT_EQ((Journal{"a: start a b", "b: start a b"}), world.stepAndTake());
}

TEST_F(PhysicsManagerTest, EachCollisionReachesFirstThenSecondInTestOrder) {
    crate("a", {0, 0});
    crate("b", {1, 0});
    crate("c", {0, 1});
    EXPECT_EQ((Journal{"a: start a b", "b: start a b", "a: start a c", "c: start a c",
                       "b: start b c", "c: start b c"}),
              world.stepAndTake());
}

// Crossings are what happens during a step: positions are compared before and after motion.
TEST_F(PhysicsManagerTest, LineCrossingsReportTheSideReachedAndIgnoreLandingOnTheLine) {
    auto* lineMotion = new Movable();
    SceneNode* line = world.add("L", {0, 0}, {new CollidableLine(CollidableLine::x), lineMotion});
    world.listen(line->getEntity());
    auto* motion = new Movable(1.0, {0, 125}); // 2 units a step
    SceneNode* e = world.add("e", {5, -1}, {PhysicsScene::box({-1, -1}, {1, 1}), motion});
    world.listen(e->getEntity());
    EXPECT_EQ((Journal{"e: line e L 0", "L: line e L 0"}), world.stepAndTake());
    motion->setVelocity({0, -62.5}); // 1 unit a step
    EXPECT_TRUE(world.stepAndTake().empty());
    ASSERT_EQ(0.0, e->getPosition().y);
    EXPECT_EQ((Journal{"e: line e L 1", "L: line e L 1"}), world.stepAndTake());
    motion->setVelocity({0, 0});
    EXPECT_TRUE(world.stepAndTake().empty());
    lineMotion->setVelocity({0, -125}); // the line passing the entity is a crossing too
    EXPECT_EQ((Journal{"e: line e L 0", "L: line e L 0"}), world.stepAndTake());
}

TEST_F(PhysicsManagerTest, VerticalLinesUseXAndMovingEntitiesCrossDuringTheStep) {
    SceneNode* line = world.add("L", {10, 0}, {new CollidableLine(CollidableLine::y)});
    world.listen(line->getEntity());
    SceneNode* e =
        world.add("e", {9.5, 0}, {PhysicsScene::box({0, 0}, {1, 1}), new Movable(1.0, {50, 0})});
    world.listen(e->getEntity());
    EXPECT_EQ((Journal{"e: line e L 2", "L: line e L 2"}), world.stepAndTake());
    e->getEntity()->sendEvent(
        EventPtr(new MovableActionEvent(MovableActionEvent::SetVelocity, {-50, 0})));
    EXPECT_EQ((Journal{"e: line e L 3", "L: line e L 3"}), world.stepAndTake());
}

TEST_F(PhysicsManagerTest, CheckAnswersAtOnceAndTheNextStepStaysQuiet) {
    SceneNode* a = crate("a", {0, 0});
    crate("b", {1, 0});
    crate("far", {50, 0});
    world.scene.sendEvent(EventPtr(new CheckCollidableActionEvent(collidableOf(a))));
    EXPECT_EQ((Journal{"a: start a b", "b: start a b"}), world.take());
    EXPECT_TRUE(world.stepAndTake().empty());

    // Once the scene is left behind the manager no longer answers.
    world.physics.disconnect(&world.scene);
    a->setPosition({20, 0});
    world.scene.sendEvent(EventPtr(new CheckCollidableActionEvent(collidableOf(a))));
    EXPECT_TRUE(world.take().empty());
    world.physics.checkCollidable(nullptr);
    world.physics.connect(&world.scene);
}

TEST_F(PhysicsManagerTest, CheckPutsTheCheckedCollidableFirstAndReportsEnds) {
    crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    world.physics.updateProcess(PhysicsScene::step);
    world.take();
    b->setPosition({10, 0});
    world.physics.checkCollidable(collidableOf(b));
    EXPECT_EQ((Journal{"b: end b a", "a: end b a"}), world.take());
    EXPECT_TRUE(world.stepAndTake().empty());
}

// Contacts are remembered by address: a collidable that leaves must not leave a contact behind
// for whatever comes next at that address, and its leaving is not an "ended" overlap.
TEST_F(PhysicsManagerTest, ALeavingCollidableTakesItsContactsWithIt) {
    crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    EXPECT_EQ(2u, world.stepAndTake().size());
    Collidable* collidable = collidableOf(b);
    b->getEntity()->removeComponent(collidable);
    EXPECT_FALSE(world.physics.isTracking(collidable));
    EXPECT_EQ(0u, world.physics.contactCount());
    EXPECT_TRUE(world.stepAndTake().empty());
    ASSERT_TRUE(b->getEntity()->addComponent(collidable));
    EXPECT_EQ((Journal{"a: start a b", "b: start a b"}), world.stepAndTake());

    b->getEntity()->kill();
    world.scene.updateProcess(PhysicsScene::step); // collects the killed node
    EXPECT_EQ(0u, world.physics.contactCount());
    EXPECT_TRUE(world.stepAndTake().empty());
}

TEST_F(PhysicsManagerTest, TracksComponentsAsTheyComeAndGo) {
    SceneNode* parent = world.add("parent", {0, 0}, {});
    auto* movable = new Movable(1.0, {1, 0});
    SceneNode* child = world.add("child", {0, 0}, {movable}, parent);
    EXPECT_FALSE(world.physics.isTracking(movable));
    auto* topMovable = new Movable();
    parent->getEntity()->addComponent(topMovable);
    EXPECT_TRUE(world.physics.isTracking(topMovable));
    auto* line = new CollidableLine();
    child->getEntity()->addComponent(line);
    EXPECT_TRUE(world.physics.isTracking(line));
    delete topMovable;
    EXPECT_FALSE(world.physics.isTracking(topMovable));
    world.scene.removeNode(child);
    EXPECT_FALSE(world.physics.isTracking(line));
    delete child;
}

TEST_F(PhysicsManagerTest, ConnectingLateFindsWhatIsAlreadyThere) {
    world.physics.disconnect(&world.scene);
    crate("a", {0, 0});
    crate("b", {1, 0});
    EXPECT_TRUE(world.stepAndTake().empty());
    world.physics.connect(&world.scene);
    EXPECT_EQ(2u, world.stepAndTake().size());
}

TEST_F(PhysicsManagerTest, AnEntityDeletedDuringDeliveryHearsNoMore) {
    SceneNode* a = crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    crate("c", {0.5, 0});
    RecordingListener deleter(EventType::Collidable);
    deleter.onEvent = [&](const EventPtr&) {
        if (b) {
            delete b;
            b = nullptr;
        }
    };
    a->getEntity()->addListener(&deleter);
    Journal heard = world.stepAndTake();
    // b's own event and every other one naming b are dropped: receivers would follow the pointer.
    EXPECT_EQ((Journal{"a: start a b", "a: start a c", "c: start a c"}), heard);
    EXPECT_EQ(1u, world.physics.contactCount());
}

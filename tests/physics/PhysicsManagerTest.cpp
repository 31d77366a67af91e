#include "PhysicsScene.h"

#include "physics/CheckCollidableActionEvent.h"
#include "physics/Movable.h"

namespace {

typedef std::vector<std::string> Journal;

struct PhysicsManagerTest : ::testing::Test {
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
    // Edges meet at x = 1 and x = 5.
    const std::pair<double, Journal> moves[] = {{1, {}},
                                                {1.5, {"a: start a b", "b: start a b"}},
                                                {3, {}},
                                                {5, {"a: end a b", "b: end a b"}},
                                                {5, {}}};
    for (const auto& [x, heard] : moves) {
        a->setPosition({x, 0});
        EXPECT_EQ(heard, world.stepAndTake()) << x;
    }
}

// Starting exactly on the line counts as either side; ending on it is no crossing.
TEST(PhysicsManagerLines, CrossingsReportTheSideReachedAndIgnoreLandingOnTheLine) {
    struct Case {
        const char* what;
        CollidableLine::Axis axis;
        Vector2 line, lineVelocity, from, velocity; // velocities in units per step
        int direction;                              // -1: no crossing
    };
    const CollidableLine::Axis x = CollidableLine::x, y = CollidableLine::y;
    const Case cases[] = {{"up across", x, {0, 0}, {0, 0}, {5, -1}, {0, 2}, 0},
                          {"landing on it", x, {0, 0}, {0, 0}, {5, 1}, {0, -1}, -1},
                          {"leaving it downwards", x, {0, 0}, {0, 0}, {5, 0}, {0, -1}, 1},
                          {"right across", y, {10, 0}, {0, 0}, {9.5, 0}, {1, 0}, 2},
                          {"landing on a y line", y, {10, 0}, {0, 0}, {11, 0}, {-1, 0}, -1}};
    for (const Case& test : cases) {
        PhysicsScene world;
        auto add = [&](const char* name, Vector2 at, Component* part, Vector2 velocity) {
            Component* movable = new Movable(1.0, velocity * (1 / PhysicsScene::step));
            world.listen(world.add(name, at, {part, movable})->getEntity());
        };
        add("L", test.line, new CollidableLine(test.axis), test.lineVelocity);
        add("e", test.from, PhysicsScene::box({-1, -1}, {1, 1}), test.velocity);
        const std::string heard = "line e L " + std::to_string(test.direction);
        EXPECT_EQ((test.direction < 0 ? Journal() : Journal{"e: " + heard, "L: " + heard}),
                  world.stepAndTake())
            << test.what;
    }
}

// A check answers at once, checked collidable first, leaving the next step nothing to report.
TEST_F(PhysicsManagerTest, CheckAnswersAtOnceWithTheCheckedCollidableFirst) {
    crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    world.scene.sendEvent(EventPtr(new CheckCollidableActionEvent(collidableOf(b))));
    EXPECT_EQ((Journal{"b: start b a", "a: start b a"}), world.take());
    b->setPosition({10, 0});
    world.physics.checkCollidable(collidableOf(b));
    EXPECT_EQ((Journal{"b: end b a", "a: end b a"}), world.take());
    EXPECT_TRUE(world.stepAndTake().empty());

    world.physics.disconnect(&world.scene); // a scene left behind is no longer answered
    b->setPosition({1, 0});
    world.scene.sendEvent(EventPtr(new CheckCollidableActionEvent(collidableOf(b))));
    EXPECT_TRUE(world.take().empty());
    world.physics.connect(&world.scene);
}

// Contacts are keyed by address: none may outlive its collidable, and leaving is no "end".
TEST_F(PhysicsManagerTest, ALeavingCollidableTakesItsContactsWithIt) {
    crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    EXPECT_EQ(2u, world.stepAndTake().size());
    Collidable* collidable = collidableOf(b);
    b->getEntity()->removeComponent(collidable);
    EXPECT_EQ(0u, world.physics.contactCount());
    EXPECT_TRUE(world.stepAndTake().empty());
    ASSERT_TRUE(b->getEntity()->addComponent(collidable));
    EXPECT_EQ((Journal{"a: start a b", "b: start a b"}), world.stepAndTake());

    b->getEntity()->kill();
    world.scene.updateProcess(PhysicsScene::step); // collects the killed node
    EXPECT_EQ(0u, world.physics.contactCount());
    EXPECT_TRUE(world.stepAndTake().empty());
}

TEST_F(PhysicsManagerTest, AnEntityDeletedDuringDeliveryHearsNoMore) {
    SceneNode* a = crate("a", {0, 0});
    SceneNode* b = crate("b", {1, 0});
    crate("c", {0.5, 0});
    RecordingListener deleter(EventType::Collidable);
    deleter.onEvent = [&](const EventPtr&) { delete std::exchange(b, nullptr); };
    a->getEntity()->addListener(&deleter);
    Journal heard = world.stepAndTake();
    // b's own event and every other one naming b are dropped: receivers would follow the pointer.
    EXPECT_EQ((Journal{"a: start a b", "a: start a c", "c: start a c"}), heard);
    EXPECT_EQ(1u, world.physics.contactCount());
}

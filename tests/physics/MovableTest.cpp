#include "PhysicsScene.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/Force.h"
#include "physics/Movable.h"
#include "physics/MovableActionEvent.h"
#include "physics/TranslationalDecellerator.h"
#include "physics/VelocityBurst.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double pi = std::acos(-1.0);

} // namespace

TEST(Movable, ReadsItsForceAndRefusesUnreadableParameters) {
    auto movable = create<Movable>(
        {{"mass", "2"}, {"velocity", "(1,2)"}, {"force", "(0,3)"}, {"forceSpace", "World"}});
    movable->stepAffectors(1.0);
    expectNear({1, 3.5}, movable->getVelocity());
    EXPECT_EQ(0.5, create<Movable>({{"rotationalVelocity", "0.5"}})->getRotationalVelocity());

    struct Case {
        Entries entries;
        const char* error;
    };
    const Case cases[] = {
        {{{"mass", "fast"}}, "Invalid type in Movable ParamList."},
        {{{"velocity", "fast"}}, "Invalid type in Movable ParamList."},
        {{{"rotationalVelocity", "fast"}}, "Invalid type in Movable ParamList."},
        {{{"force", "(0,0)"}, {"forceSpace", "World"}}, "Invalid zero-length force."},
        {{{"force", "(1,0)"}, {"forceSpace", "Sideways"}},
         "Unable to convert parameter 'forceSpace'"}};
    for (const Case& test : cases)
        EXPECT_NE(std::string::npos, creationError<Movable>(test.entries).find(test.error))
            << test.error;
}

// A clone shares the shareable affectors only, and a destroyed movable leaves no affector
// pointing at it.
TEST(Movable, CloneSharesShareableAffectorsAndAffectorsForgetADestroyedMovable) {
    MovableAffectorPtr brake(new TranslationalDecellerator(1.0));
    MovableAffectorPtr burst(new VelocityBurst({1, 0}, 1.0, SceneNode::World));
    {
        Movable original(1.0, {3, 4});
        original.addAffector(brake);
        original.addAffector(burst);
        std::unique_ptr<Movable> copy(static_cast<Movable*>(original.clone()));
        EXPECT_EQ(std::set<MovableAffectorPtr>{brake}, copy->getAffectors());
        EXPECT_EQ(&original, burst->getMovable());
    }
    EXPECT_EQ(nullptr, burst->getMovable());
    Movable next;
    next.addAffector(burst);
    EXPECT_EQ(&next, burst->getMovable());
}

TEST(Movable, StepsByEulerAndTurnsByRotationalVelocity) {
    PhysicsScene world;
    SceneNode* node = world.add("ship", {1, 1}, {new Movable(1.0, {10, 0}, pi / 2)});
    world.physics.updateProcess(0.016);
    expectNear({1.16, 1}, node->getPosition());
    expectNear({std::cos(pi / 2 * 0.016), std::sin(pi / 2 * 0.016)}, node->getOrientation());
}

TEST(Movable, RelativeVelocityIsTurnedOnceWhenRegistered) {
    PhysicsScene world;
    SceneNode* node = Entity::create(
        "ship",
        {create<Movable>({{"velocity", "(1,0)"}, {"relativeToOrienation", "true"}}).release()});
    node->setOrientation({0, 1});
    world.scene.addNode(node);
    for (double y : {1.0, 2.0}) {
        world.physics.updateProcess(1.0);
        expectNear({0, y}, node->getPosition());
    }
}

TEST(Movable, ChildMovableIsNotMovedButItsCollidableFollowsTheParent) {
    PhysicsScene world;
    SceneNode* parent = world.add("parent", {0, 0}, {new Movable(1.0, {100, 0})});
    SceneNode* child = world.add(
        "child", {0, 0}, {new Movable(1.0, {0, 100}), PhysicsScene::box({-1, -1}, {1, 1})}, parent);
    SceneNode* wall = world.add("wall", {4, 0}, {PhysicsScene::box({-0.5, -5}, {0.5, 5})});
    world.listen(wall->getEntity());
    EXPECT_TRUE(world.stepAndTake().empty()); // child box reaches x = 2.6, wall starts at 3.5
    expectNear({1.6, 0}, child->getWorldPosition());
    EXPECT_EQ(std::vector<std::string>{"wall: start child wall"}, world.stepAndTake());
    expectNear({0, 0}, child->getPosition());
}

// Each action as a data file writes it, applied in turn to one movable.
TEST(Movable, ActionEventsFromDataChangeTheMovableOfTheirEntity) {
    auto* movable = new Movable(1.0, {1, 0}, 2.0, true);
    std::unique_ptr<SceneNode> node(Entity::create("ship", {movable}));
    struct Case {
        const char *action, *vector, *real;
        Vector2 velocity;
        double rotationalVelocity, mass;
    };
    const Case cases[] = {{"RotateVelocity", "(0,0)", "1.5707963267948966", {0, 1}, 2.0, 1.0},
                          {"SetVelocity", "(2,0)", "0", {2, 0}, 2.0, 1.0},
                          {"AddVelocity", "(1,1)", "0", {3, 1}, 2.0, 1.0},
                          {"ScaleVelocity", "(0,0)", "2", {6, 2}, 2.0, 1.0},
                          {"SetRotationalVelocity", "(0,0)", "3", {6, 2}, 3.0, 1.0},
                          {"ScaleRotationalVelocity", "(0,0)", "-0.5", {6, 2}, -1.5, 1.0},
                          {"SetMass", "(0,0)", "4", {6, 2}, -1.5, 4.0},
                          {"SetMass", "(0,0)", "-5", {6, 2}, -1.5, 0.0},
                          // Overflowing operands are refused rather than letting an infinity in.
                          {"ScaleVelocity", "(0,0)", "1e308", {6, 2}, -1.5, 0.0},
                          {"ScaleRotationalVelocity", "(0,0)", "1.5e308", {6, 2}, -1.5, 0.0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.action);
        node->getEntity()->sendEvent(
            EventPtr(create<MovableActionEvent>(
                         {{"action", test.action}, {"vector", test.vector}, {"real", test.real}})
                         .release()));
        expectNear(test.velocity, movable->getVelocity());
        EXPECT_DOUBLE_EQ(test.rotationalVelocity, movable->getRotationalVelocity());
        EXPECT_EQ(test.mass, movable->getMass());
        EXPECT_FALSE(movable->isRelativeToOrientation());
    }
    EXPECT_EQ("MovableAction Could not find parameter 'action'",
              creationError<MovableActionEvent>({}));
    EXPECT_NE(std::string::npos, creationError<MovableActionEvent>({{"action", "setVelocity"}})
                                     .find("Unable to convert parameter 'action' to"));
}

TEST(TranslationalDecellerator, StopsOrSlowsAlongTheSameDirectionAndSparesTheMassless) {
    struct Case {
        double mass;
        Vector2 velocity;
        double rate;
        Vector2 expected;
    };
    const Case cases[] = {{1.0, {0.1, 0}, 10.0, {0, 0}},
                          {1.0, {0.6, 0.8}, 10.0, {0.6 * 0.84, 0.8 * 0.84}},
                          {0.0, {1, 0}, 10.0, {1, 0}},
                          {1.0, {0, 0}, 0.0, {0, 0}}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.mass);
        Movable movable(test.mass, test.velocity, 0.0, true);
        movable.addAffector(MovableAffectorPtr(new TranslationalDecellerator(test.rate)));
        movable.stepAffectors(0.016);
        expectNear(test.expected, movable.getVelocity());
        EXPECT_EQ(1u, movable.getAffectors().size());
    }
}

TEST(Force, AcceleratesByMassInItsSpaceAndSparesMasslessMovables) {
    PhysicsScene world;
    auto* movable = new Movable(2.0);
    SceneNode* node = world.add("ship", {0, 0}, {movable});
    node->setOrientation({0, 1});
    movable->addAffector(MovableAffectorPtr(new Force({4, 0}, SceneNode::Local)));
    movable->addAffector(MovableAffectorPtr(new Force({0, -4}, SceneNode::World)));
    movable->stepAffectors(0.5);
    expectNear({0, 0}, movable->getVelocity()); // local +x is world +y, cancelled by world -y

    Movable massless(0.0, {1, 1});
    massless.addAffector(MovableAffectorPtr(new Force({4, 0}, SceneNode::World)));
    massless.stepAffectors(0.5);
    expectNear({1, 1}, massless.getVelocity());
}

// The burst is taken back on the first step that begins with its time used up, also when the
// steps land exactly on its duration.
TEST(VelocityBurst, IsTakenBackOnTheFirstStepThatBeginsWithItsTimeUsedUp) {
    const struct {
        double duration;
        int lastStep;
    } cases[] = {{0.0, 1}, {0.016, 2}, {0.048, 4}, {0.05, 5}, {0.064, 5}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.duration);
        MovableAffectorPtr burst(new VelocityBurst({0, 5}, test.duration, SceneNode::World));
        Movable movable(1.0, {1, 0});
        movable.addAffector(burst);
        for (int step = 1; step < test.lastStep; ++step) {
            movable.stepAffectors(0.016);
            expectNear({1, 5}, movable.getVelocity());
        }
        movable.stepAffectors(0.016);
        expectNear({1, 0}, movable.getVelocity());
        EXPECT_TRUE(movable.getAffectors().empty());
        EXPECT_EQ(nullptr, burst->getMovable());
    }
}

TEST(VelocityBurst, ActsOnOneMovableAndFollowsTheNodeOrientationWhenLocal) {
    PhysicsScene world;
    auto* movable = new Movable(1.0);
    SceneNode* node = world.add("ship", {0, 0}, {movable});
    node->setOrientation({0, 1});
    MovableAffectorPtr burst(new VelocityBurst({2, 0}, 1.0, SceneNode::Local));
    movable->addAffector(burst);
    expectNear({0, 2}, movable->getVelocity());
    Movable other;
    other.addAffector(burst);
    EXPECT_TRUE(other.getAffectors().empty());
    expectNear({0, 0}, other.getVelocity());
}

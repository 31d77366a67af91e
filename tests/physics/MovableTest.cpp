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

std::unique_ptr<Movable>
create(std::initializer_list<std::pair<const char*, const char*>> entries) {
    ParamList params;
    for (const auto& entry : entries)
        params.set(entry.first, entry.second);
    return std::unique_ptr<Movable>(static_cast<Movable*>(Movable().createNew(params)));
}

std::string creationError(std::initializer_list<std::pair<const char*, const char*>> entries) {
    try {
        create(entries);
    } catch (const myexception& error) {
        return error.what();
    }
    return "no error";
}

void send(Entity* entity, MovableActionEvent::Action action, const Vector2& vector,
          double real = 0.0) {
    entity->sendEvent(EventPtr(new MovableActionEvent(action, vector, real)));
}

void expectNear(const Vector2& expected, const Vector2& actual, double tolerance = 1e-9) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
}

bool isFinite(const Vector2& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

} // namespace

TEST(Movable, ReadsParametersIncludingForce) {
    auto movable = create({{"mass", "2"},
                           {"velocity", "(1,2)"},
                           {"rotationalVelocity", "0.5"},
                           {"relativeToOrienation", "true"},
                           {"force", "(0,3)"},
                           {"forceSpace", "Local"}});
    EXPECT_EQ(2.0, movable->getMass());
    expectNear({1, 2}, movable->getVelocity());
    EXPECT_EQ(0.5, movable->getRotationalVelocity());
    EXPECT_TRUE(movable->isRelativeToOrientation());
    ASSERT_EQ(1u, movable->getAffectors().size());
    auto force = boost::dynamic_pointer_cast<Force>(*movable->getAffectors().begin());
    ASSERT_TRUE(force);
    EXPECT_EQ(3.0, force->getMagnitude());
    expectNear({0, 1}, force->getDirection());
    EXPECT_EQ(SceneNode::Local, force->getSpace());
    EXPECT_EQ(movable.get(), force->getMovable());

    EXPECT_TRUE(create({{"force", "(0,3)"}})->getAffectors().empty());
    EXPECT_FALSE(create({{"relativeToOrientation", "true"}})->isRelativeToOrientation());
}

TEST(Movable, RefusesUnreadableParametersAndForcesWithoutDirection) {
    for (const char* name : {"mass", "velocity", "rotationalVelocity"})
        EXPECT_EQ("Invalid type in Movable ParamList.", creationError({{name, "fast"}})) << name;
    EXPECT_EQ("Invalid zero-length force.",
              creationError({{"force", "(0,0)"}, {"forceSpace", "World"}}));
    EXPECT_NE(std::string::npos, creationError({{"force", "(1,0)"}, {"forceSpace", "Sideways"}})
                                     .find("Unable to convert parameter 'forceSpace'"));
}

TEST(Movable, CloneSharesShareableAffectorsOnly) {
    Movable original(1.0, {3, 4}, 0.25, true);
    MovableAffectorPtr brake(new TranslationalDecellerator(1.0));
    MovableAffectorPtr burst(new VelocityBurst({1, 0}, 1.0, SceneNode::World));
    original.addAffector(brake);
    original.addAffector(burst);
    std::unique_ptr<Movable> copy(static_cast<Movable*>(original.clone()));
    expectNear({4, 4}, copy->getVelocity()); // the burst's share included
    EXPECT_EQ(0.25, copy->getRotationalVelocity());
    EXPECT_EQ(1.0, copy->getMass());
    EXPECT_TRUE(copy->isRelativeToOrientation());
    EXPECT_EQ(std::set<MovableAffectorPtr>{brake}, copy->getAffectors());
    EXPECT_EQ(&original, brake->getMovable());
}

TEST(Movable, AffectorsForgetADestroyedMovable) {
    MovableAffectorPtr burst(new VelocityBurst({1, 0}, 1.0, SceneNode::World));
    {
        Movable movable;
        movable.addAffector(burst);
        EXPECT_EQ(&movable, burst->getMovable());
    }
    EXPECT_EQ(nullptr, burst->getMovable());
    Movable next;
    next.addAffector(burst);
    EXPECT_EQ(&next, burst->getMovable());
}

TEST(Movable, StepsByEulerAndTurnsByRotationalVelocity) {
    PhysicsScene world;
    auto* movable = new Movable(1.0, {10, 0}, pi / 2);
    SceneNode* node = world.add("ship", {1, 1}, {movable});
    world.physics.updateProcess(0.016);
    expectNear({1.16, 1}, node->getPosition());
    expectNear({std::cos(pi / 2 * 0.016), std::sin(pi / 2 * 0.016)}, node->getOrientation());
}

TEST(Movable, RelativeVelocityIsTurnedOnceWhenRegistered) {
    PhysicsScene world;
    SceneNode* node = Entity::create("ship", {new Movable(1.0, {1, 0}, 0.0, true)});
    node->setOrientation({0, 1});
    world.scene.addNode(node);
    auto* movable = node->getEntity()->getComponent<Movable>("Movable");
    EXPECT_FALSE(movable->isRelativeToOrientation());
    expectNear({0, 1}, movable->getVelocity());
    world.physics.updateProcess(1.0);
    expectNear({0, 1}, node->getPosition());
    world.physics.updateProcess(1.0);
    expectNear({0, 2}, node->getPosition());
}

TEST(Movable, ChildMovableIsNotMovedButItsCollidableFollowsTheParent) {
    PhysicsScene world;
    SceneNode* parent = world.add("parent", {0, 0}, {new Movable(1.0, {100, 0})});
    SceneNode* child = world.add(
        "child", {0, 0}, {new Movable(1.0, {0, 100}), PhysicsScene::box({-1, -1}, {1, 1})}, parent);
    SceneNode* wall = world.add("wall", {4, 0}, {PhysicsScene::box({-0.5, -5}, {0.5, 5})});
    world.listen(wall->getEntity());
    EXPECT_TRUE(world.stepAndTake().empty()); // child box reaches x = 2.6, wall starts at 3.5
    expectNear({0, 0}, child->getPosition());
    expectNear({1.6, 0}, child->getWorldPosition());
    EXPECT_EQ(std::vector<std::string>{"wall: start child wall"}, world.stepAndTake());
    expectNear({0, 0}, child->getPosition());
}

TEST(Movable, ActionEventsChangeTheMovableOfTheirEntity) {
    PhysicsScene world;
    auto* movable = new Movable(1.0, {1, 0}, 2.0, true);
    Entity* entity = Entity::create("ship", {movable})->getEntity();
    std::unique_ptr<SceneNode> node(entity->getNode());

    send(entity, MovableActionEvent::RotateVelocity, {}, pi / 2);
    expectNear({std::cos(pi / 2), std::sin(pi / 2)}, movable->getVelocity());
    EXPECT_FALSE(movable->isRelativeToOrientation());
    send(entity, MovableActionEvent::SetVelocity, {2, 0});
    send(entity, MovableActionEvent::AddVelocity, {1, 1});
    send(entity, MovableActionEvent::ScaleVelocity, {}, 2.0);
    expectNear({6, 2}, movable->getVelocity());
    send(entity, MovableActionEvent::SetRotationalVelocity, {}, 3.0);
    send(entity, MovableActionEvent::ScaleRotationalVelocity, {}, -0.5);
    EXPECT_EQ(-1.5, movable->getRotationalVelocity());
    send(entity, MovableActionEvent::SetMass, {}, 4.0);
    EXPECT_EQ(4.0, movable->getMass());
    send(entity, MovableActionEvent::SetMass, {}, -5.0);
    EXPECT_EQ(0.0, movable->getMass());

    // Overflowing operands are refused rather than letting an infinity in.
    send(entity, MovableActionEvent::ScaleVelocity, {}, 1e300);
    send(entity, MovableActionEvent::ScaleVelocity, {}, 1e300);
    EXPECT_TRUE(isFinite(movable->getVelocity()));
    send(entity, MovableActionEvent::ScaleRotationalVelocity, {}, 1e308);
    send(entity, MovableActionEvent::ScaleRotationalVelocity, {}, 1e308);
    EXPECT_TRUE(std::isfinite(movable->getRotationalVelocity()));
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
        EXPECT_TRUE(isFinite(movable.getVelocity()));
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
    EXPECT_EQ(2u, movable->getAffectors().size());

    Movable massless(0.0, {1, 1});
    massless.addAffector(MovableAffectorPtr(new Force({4, 0}, SceneNode::World)));
    massless.stepAffectors(0.5);
    expectNear({1, 1}, massless.getVelocity());

    Movable heavy(4.0);
    heavy.addAffector(MovableAffectorPtr(new Force({4, 0}, SceneNode::Parent)));
    heavy.stepAffectors(0.5);
    expectNear({0.5, 0}, heavy.getVelocity());
}

TEST(VelocityBurst, AddsOnAttachAndTakesBackOnFifthStep) {
    auto* burst = new VelocityBurst({0, 5}, 0.05, SceneNode::World);
    MovableAffectorPtr shared(burst);
    Movable movable(1.0, {1, 0});
    movable.addAffector(shared);
    expectNear({1, 5}, movable.getVelocity());

    Movable other;
    other.addAffector(shared);
    EXPECT_TRUE(other.getAffectors().empty());
    EXPECT_EQ(&movable, shared->getMovable());

    for (int step = 1; step <= 4; ++step) {
        movable.stepAffectors(0.016);
        expectNear({1, 5}, movable.getVelocity());
    }
    EXPECT_NEAR(0.064, burst->getElapsed(), 1e-12);
    movable.stepAffectors(0.016);
    expectNear({1, 0}, movable.getVelocity());
    EXPECT_TRUE(movable.getAffectors().empty());
    EXPECT_EQ(nullptr, shared->getMovable());
}

TEST(VelocityBurst, LocalBurstFollowsTheNodeOrientation) {
    PhysicsScene world;
    auto* movable = new Movable(1.0);
    SceneNode* node = world.add("ship", {0, 0}, {movable});
    node->setOrientation({0, 1});
    movable->addAffector(MovableAffectorPtr(new VelocityBurst({2, 0}, 1.0, SceneNode::Local)));
    expectNear({0, 2}, movable->getVelocity());
}

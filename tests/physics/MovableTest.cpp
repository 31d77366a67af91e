#include "PhysicsScene.h"

#include "physics/Force.h"
#include "physics/Movable.h"
#include "physics/MovableActionEvent.h"
#include "physics/TranslationalDecellerator.h"
#include "physics/VelocityBurst.h"

#include <cmath>

// A clone shares only shareable affectors; no affector keeps pointing at a destroyed movable.
TEST(Movable, CloneSharesShareableAffectorsAndAffectorsForgetADestroyedMovable) {
    MovableAffectorPtr brake(new TranslationalDecellerator(1.0));
    MovableAffectorPtr burst(new VelocityBurst({1, 0}, 1.0, SceneNode::World));
    auto original = std::make_unique<Movable>(1.0, Vector2(3, 4));
    original->addAffector(brake);
    original->addAffector(burst);
    std::unique_ptr<Movable> copy(static_cast<Movable*>(original->clone()));
    EXPECT_EQ(std::set<MovableAffectorPtr>{brake}, copy->getAffectors());
    original.reset();
    EXPECT_EQ(nullptr, burst->getMovable());
}

// A velocity relative to the orientation is turned once, when the movable is registered.
TEST(Movable, StepsByEulerTurnsByRotationalVelocityAndTurnsRelativeVelocityOnce) {
    const double quarter = std::acos(0.0);
    PhysicsScene world;
    SceneNode* ship = world.add("ship", {1, 1}, {new Movable(1.0, {10, 0}, quarter)});
    SceneNode* relative = Entity::create(
        "relative",
        {create<Movable>({{"velocity", "(1,0)"}, {"relativeToOrienation", "true"}}).release()});
    relative->setOrientation({0, 1});
    world.scene.addNode(relative);
    world.physics.updateProcess(0.016);
    expectNear({1.16, 1}, ship->getPosition());
    expectNear({std::cos(quarter * 0.016), std::sin(quarter * 0.016)}, ship->getOrientation());
    world.physics.updateProcess(1.0);
    expectNear({0, 1.016}, relative->getPosition());
}

// Each action as a data file writes it, applied in turn to one movable.
TEST(Movable, ActionEventsFromDataChangeTheMovableOfTheirEntity) {
    auto* movable = new Movable(1.0, {1, 0}, 2.0, true);
    std::unique_ptr<SceneNode> node(Entity::create("ship", {movable}));
    const std::tuple<const char*, const char*, Vector2, double, double> cases[] = {
        {"RotateVelocity", "1.5707963267948966", {0, 1}, 2.0, 1.0},
        {"ScaleVelocity", "2", {0, 2}, 2.0, 1.0},
        {"ScaleRotationalVelocity", "-0.75", {0, 2}, -1.5, 1.0},
        {"SetMass", "-5", {0, 2}, -1.5, 0.0},
        // Overflowing operands are refused rather than letting an infinity in.
        {"ScaleVelocity", "1e308", {0, 2}, -1.5, 0.0},
        {"ScaleRotationalVelocity", "1.5e308", {0, 2}, -1.5, 0.0}};
    for (const auto& [action, real, velocity, rotationalVelocity, mass] : cases) {
        SCOPED_TRACE(action);
        node->getEntity()->sendEvent(
            EventPtr(create<MovableActionEvent>({{"action", action}, {"real", real}}).release()));
        expectNear(velocity, movable->getVelocity());
        EXPECT_DOUBLE_EQ(rotationalVelocity, movable->getRotationalVelocity());
        EXPECT_EQ(mass, movable->getMass());
        EXPECT_FALSE(movable->isRelativeToOrientation());
    }
}

// Mass, velocity and rate in; the velocity after one step out.
TEST(TranslationalDecellerator, StopsOrSlowsAlongTheSameDirectionAndSparesTheMassless) {
    const std::tuple<double, Vector2, double, Vector2> cases[] = {
        {1.0, {0.1, 0}, 10.0, {0, 0}},
        {1.0, {0.6, 0.8}, 10.0, {0.6 * 0.84, 0.8 * 0.84}},
        {0.0, {1, 0}, 10.0, {1, 0}},
        {1.0, {0, 0}, 0.0, {0, 0}}};
    for (const auto& [mass, velocity, rate, expected] : cases) {
        SCOPED_TRACE(mass);
        Movable movable(mass, velocity, 0.0, true);
        movable.addAffector(MovableAffectorPtr(new TranslationalDecellerator(rate)));
        movable.stepAffectors(0.016);
        expectNear(expected, movable.getVelocity());
        EXPECT_EQ(1u, movable.getAffectors().size());
    }
}

// On a ship turned a quarter, local +x is world +y. A burst acts on one movable only.
TEST(Force, AndBurstsActInTheirSpaceAndForceSparesMasslessMovables) {
    PhysicsScene world;
    Movable* movable =
        create<Movable>({{"mass", "2"}, {"force", "(4,0)"}, {"forceSpace", "Local"}}).release();
    world.add("ship", {0, 0}, {movable})->setOrientation({0, 1});
    movable->addAffector(MovableAffectorPtr(new Force({0, -2}, SceneNode::World)));
    MovableAffectorPtr burst(new VelocityBurst({2, 0}, 1.0, SceneNode::Local));
    movable->addAffector(burst);
    expectNear({0, 2}, movable->getVelocity());
    movable->stepAffectors(0.5);
    expectNear({0, 2.5}, movable->getVelocity());
    EXPECT_EQ("Invalid zero-length force.", thrownMessage([] {
                  create<Movable>({{"force", "(0,0)"}, {"forceSpace", "World"}});
              }));
    Movable massless(0.0, {1, 1});
    massless.addAffector(MovableAffectorPtr(new Force({4, 0}, SceneNode::World)));
    massless.addAffector(burst);
    massless.stepAffectors(0.5);
    expectNear({1, 1}, massless.getVelocity());
}

// Taken back on the first step that begins with its time used up, also when steps land on it.
TEST(VelocityBurst, IsTakenBackOnTheFirstStepThatBeginsWithItsTimeUsedUp) {
    const std::pair<double, int> cases[] = {
        {0.0, 1}, {0.016, 2}, {0.048, 4}, {0.05, 5}, {0.064, 5}};
    for (const auto& [duration, lastStep] : cases) {
        SCOPED_TRACE(duration);
        MovableAffectorPtr burst(new VelocityBurst({0, 5}, duration, SceneNode::World));
        Movable movable(1.0, {1, 0});
        movable.addAffector(burst);
        for (int step = 1; step < lastStep; ++step) {
            movable.stepAffectors(0.016);
            expectNear({1, 5}, movable.getVelocity());
        }
        movable.stepAffectors(0.016);
        expectNear({1, 0}, movable.getVelocity());
        EXPECT_EQ(nullptr, burst->getMovable());
    }
}

#include "PhysicsScene.h"

#include "physics/Circle.h"
#include "physics/Movable.h"
#include "physics/OrientedBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Builds and disturbs a scene from a seed, so that two scenes built with the same seed receive
// exactly the same shapes, motions and changes.
class RandomScene {
public:
    RandomScene(PhysicsScene& world, unsigned seed) : world(world), random(seed) {}

    void populate(int count) {
        for (int index = 0; index < count; ++index)
            addEntity();
    }

    void addEntity() {
        const std::string name = "e" + std::to_string(serial++);
        std::vector<Component*> components{shape()};
        if (chance(0.7))
            components.push_back(motion());
        SceneNode* parent = nullptr;
        if (!nodes.empty() && chance(0.15))
            parent = nodes[pick(nodes.size())];
        // Whole-number places and sizes make exact touching common.
        Vector2 place(std::round(uniform(-60, 60)), std::round(uniform(-40, 40)));
        if (parent)
            place = Vector2(std::round(uniform(-4, 4)), std::round(uniform(-4, 4)));
        SceneNode* node = world.add(name, place, components, parent);
        if (chance(0.2))
            node->setScale({chance(0.5) ? 2.0 : 0.5, chance(0.5) ? 1.0 : 3.0});
        if (chance(0.2))
            node->setOrientation(Vector2::fromAngle(uniform(0, 6.3)));
        world.listen(node->getEntity());
        nodes.push_back(node);
    }

    // Moves, removes, re-adds and checks a few collidables between steps.
    void disturb() {
        if (chance(0.3) && nodes.size() > 2) {
            Entity* entity = nodes[pick(nodes.size())]->getEntity();
            Component* collidable = entity->getComponent(Collidable::roleName());
            if (collidable) {
                entity->removeComponent(collidable);
                if (chance(0.5))
                    delete collidable;
                else
                    entity->addComponent(collidable);
            } else {
                entity->addComponent(shape());
            }
        }
        if (chance(0.3))
            nodes[pick(nodes.size())]->setPosition(
                {std::round(uniform(-60, 60)), std::round(uniform(-40, 40))});
        if (chance(0.2))
            addEntity();
        if (chance(0.2)) {
            Entity* entity = nodes[pick(nodes.size())]->getEntity();
            world.physics.checkCollidable(entity->getComponent<Collidable>(Collidable::roleName()));
        }
    }

private:
    Component* shape() {
        const double width = std::round(uniform(1, 8)), height = std::round(uniform(1, 8));
        AxisAlignedBox box(Vector2(-width / 2, -height / 2), Vector2(width / 2, height / 2));
        switch (pick(4)) {
        case 0:
            return new StaticCollidable(box);
        case 1:
            return new StaticCollidable(OrientedBox(box, Vector2::fromAngle(uniform(0, 6.3))));
        case 2:
            return new StaticCollidable(OrientedBox(box, Vector2(1, 0)));
        default:
            return new StaticCollidable(Circle(Vector2(0, 0), chance(0.1) ? 0.0 : width / 2));
        }
    }

    Component* motion() {
        // Multiples of 62.5 units a second move whole units per 0.016 s step.
        const double speeds[] = {-125, -62.5, 0, 62.5, 125};
        Vector2 velocity = chance(0.5) ? Vector2(speeds[pick(5)], speeds[pick(5)])
                                       : Vector2(uniform(-300, 300), uniform(-300, 300));
        return new Movable(1.0, velocity, chance(0.3) ? uniform(-3, 3) : 0.0);
    }

    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    }
    bool chance(double probability) { return uniform(0, 1) < probability; }
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    }

    PhysicsScene& world;
    std::mt19937 random;
    std::vector<SceneNode*> nodes;
    int serial = 0;
};

} // namespace

TEST(ContactTracker, SweepFindsExactlyTheEventsOfTestingEveryPair) {
    std::size_t events = 0, ends = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        PhysicsScene fast, reference;
        reference.physics.setPairSearch(PhysicsManager::PairSearch::AllPairs);
        RandomScene fastScene(fast, seed), referenceScene(reference, seed);
        fastScene.populate(120);
        referenceScene.populate(120);
        for (int step = 0; step < 60; ++step) {
            fastScene.disturb();
            referenceScene.disturb();
            EXPECT_EQ(reference.take(), fast.take()) << "seed " << seed << " step " << step;
            std::vector<std::string> expected = reference.stepAndTake();
            ASSERT_EQ(expected, fast.stepAndTake()) << "seed " << seed << " step " << step;
            events += expected.size();
            for (const std::string& line : expected)
                ends += line.find(": end ") != std::string::npos;
        }
        EXPECT_EQ(reference.physics.contactCount(), fast.physics.contactCount());
    }
    // The scenes must actually exercise starts and ends.
    EXPECT_GT(events, 500u);
    EXPECT_GT(ends, 100u);
}

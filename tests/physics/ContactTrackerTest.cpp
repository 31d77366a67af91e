#include "PhysicsScene.h"

#include "physics/Circle.h"
#include "physics/Movable.h"
#include "physics/OrientedBox.h"

#include <cmath>
#include <random>

namespace {

// Builds and disturbs a scene from a seed: two scenes with the same seed receive exactly the same
// shapes, motions and changes. Whole-number places and sizes make exact touching common.
class RandomScene {
public:
    RandomScene(PhysicsScene& world, unsigned seed, int count) : world(world), random(seed) {
        while (count-- > 0)
            addEntity();
    }

    void addEntity() {
        std::vector<Component*> components{shape()};
        if (chance(0.7))
            components.push_back(motion());
        SceneNode* parent = !nodes.empty() && chance(0.15) ? nodes[pick(nodes.size())] : nullptr;
        SceneNode* node = world.add("e" + std::to_string(nodes.size()),
                                    parent ? place(4, 4) : place(60, 40), components, parent);
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
            if (Component* collidable = entity->getComponent(Collidable::roleName())) {
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
            nodes[pick(nodes.size())]->setPosition(place(60, 40));
        if (chance(0.2))
            addEntity();
        if (chance(0.2))
            world.physics.checkCollidable(
                nodes[pick(nodes.size())]->getEntity()->getComponent<Collidable>(
                    Collidable::roleName()));
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
    Vector2 place(double x, double y) {
        return {std::round(uniform(-x, x)), std::round(uniform(-y, y))};
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
};

} // namespace

TEST(ContactTracker, SweepFindsExactlyTheEventsOfTestingEveryPair) {
    std::size_t events = 0, ends = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        PhysicsScene fast, reference;
        reference.physics.setPairSearch(PhysicsManager::PairSearch::AllPairs);
        RandomScene fastScene(fast, seed, 120), referenceScene(reference, seed, 120);
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

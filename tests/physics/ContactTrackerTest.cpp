#include "PhysicsScene.h"

#include "physics/Circle.h"
#include "physics/Movable.h"
#include "physics/OrientedBox.h"

#include <cmath>
#include <random>

namespace {

// Scenes from one seed; whole-number places, sizes and speeds per step make exact touching common.
class RandomScene {
public:
    RandomScene(PhysicsScene& world, unsigned seed) : world(world), random(seed) {
        for (int entity = 0; entity < 120; ++entity)
            addEntity();
    }

    void addEntity() {
        const double speeds[] = {-125, -62.5, 0, 62.5, 125};
        Component* motion = new Movable(1.0, {speeds[pick(5)], speeds[pick(5)]},
                                        chance(0.3) ? uniform(-3, 3) : 0.0);
        SceneNode* parent = chance(0.15) && !nodes.empty() ? nodes[pick(nodes.size())] : nullptr;
        SceneNode* node = world.add("e" + std::to_string(nodes.size()), place(parent ? 4 : 60),
                                    {shape(), motion}, parent);
        world.listen(node->getEntity());
        nodes.push_back(node);
    }

    // Moves, removes, re-adds and checks a few collidables between steps.
    void disturb() {
        Entity* entity = nodes[pick(nodes.size())]->getEntity();
        Component* collidable = entity->getComponent(Collidable::roleName());
        if (collidable && chance(0.3)) {
            entity->removeComponent(collidable);
            if (chance(0.5) || !entity->addComponent(collidable))
                delete collidable;
        } else if (!collidable && chance(0.5)) {
            entity->addComponent(shape());
        } else if (collidable && chance(0.3)) {
            world.physics.checkCollidable(entity->getComponent<Collidable>(Collidable::roleName()));
        }
        if (chance(0.3))
            nodes[pick(nodes.size())]->setPosition(place(60));
        if (chance(0.2))
            addEntity();
    }

private:
    Component* shape() {
        const double width = std::round(uniform(1, 8)), height = std::round(uniform(1, 8));
        AxisAlignedBox box(Vector2(-width / 2, -height / 2), Vector2(width / 2, height / 2));
        switch (pick(3)) {
        case 0:
            return new StaticCollidable(box);
        case 1:
            return new StaticCollidable(OrientedBox(box, Vector2::fromAngle(uniform(0, 6.3))));
        default:
            return new StaticCollidable(Circle(Vector2(0, 0), chance(0.1) ? 0.0 : width / 2));
        }
    }
    Vector2 place(double range) {
        return {std::round(uniform(-range, range)), std::round(uniform(-range, range))};
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
        RandomScene fastScene(fast, seed), referenceScene(reference, seed);
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
    EXPECT_GT(events, 500u); // the scenes must exercise starts and ends
    EXPECT_GT(ends, 100u);
}

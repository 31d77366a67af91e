// One physics step over a busy level of moving collidables, with the sort-and-sweep pair search
// against the reference that tests every pair.
#include "physics/Circle.h"
#include "physics/Movable.h"
#include "physics/OrientedBox.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// A 4000 x 3000 level with ships, bullets and rocks of 4 to 40 units: a mix of boxes, turned
// boxes and circles, most of them moving and some spinning.
class BusyLevel {
public:
    BusyLevel(int count, PhysicsManager::PairSearch search) {
        physics.setPairSearch(search);
        physics.connect(&scene);
        std::mt19937 random(42);
        auto uniform = [&](double low, double high) {
            return std::uniform_real_distribution<double>(low, high)(random);
        };
        for (int index = 0; index < count; ++index) {
            const double size = uniform(4, 40);
            AxisAlignedBox box(Vector2(-size / 2, -size / 4), Vector2(size / 2, size / 4));
            Component* shape = nullptr;
            switch (index % 3) {
            case 0:
                shape = new StaticCollidable(box);
                break;
            case 1:
                shape = new StaticCollidable(OrientedBox(box, Vector2::fromAngle(uniform(0, 6.3))));
                break;
            default:
                shape = new StaticCollidable(Circle(Vector2(0, 0), size / 2));
                break;
            }
            auto* movable = new Movable(1.0, Vector2(uniform(-150, 150), uniform(-150, 150)),
                                        index % 4 == 0 ? uniform(-2, 2) : 0.0);
            SceneNode* node = Entity::create("", {shape, movable});
            node->setPosition(Vector2(uniform(-2000, 2000), uniform(-1500, 1500)));
            scene.addNode(node);
            movables.push_back(movable);
        }
    }
    ~BusyLevel() { physics.disconnect(&scene); }

    void step() {
        physics.updateProcess(0.016);
        // Turning everything back now and then keeps the level's density steady.
        if (++steps % 250 == 0)
            for (Movable* movable : movables)
                movable->setVelocity(movable->getVelocity() * -1.0);
    }

    std::size_t contacts() const { return physics.contactCount(); }

private:
    SceneManager scene;
    PhysicsManager physics;
    std::vector<Movable*> movables;
    unsigned steps = 0;
};

void run(benchmark::State& state, PhysicsManager::PairSearch search) {
    BusyLevel level(static_cast<int>(state.range(0)), search);
    level.step();
    for (auto _ : state)
        level.step();
    state.counters["contacts"] = static_cast<double>(level.contacts());
}

void PhysicsStepSweepAndPrune(benchmark::State& state) {
    run(state, PhysicsManager::PairSearch::SweepAndPrune);
}

void PhysicsStepAllPairs(benchmark::State& state) {
    run(state, PhysicsManager::PairSearch::AllPairs);
}

} // namespace

BENCHMARK(PhysicsStepSweepAndPrune)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PhysicsStepAllPairs)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);

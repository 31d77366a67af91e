// World transforms are cached per node and a change invalidates only the changed subtree, so
// moving one ship in a scene of many should cost about the same as in a scene of few.
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A scene of `count` roots, each with a child and a grandchild, as ships with turrets carry.
std::vector<SceneNode*> populate(SceneManager& scene, int count) {
    std::vector<SceneNode*> leaves;
    for (int i = 0; i < count; ++i) {
        SceneNode* root = Entity::create();
        SceneNode* child = Entity::create();
        SceneNode* leaf = Entity::create();
        root->setPosition(Vector2(i, 0));
        child->setPosition(Vector2(0, 1));
        leaf->setPosition(Vector2(1, 0));
        root->addChild(child);
        child->addChild(leaf);
        scene.addNode(root);
        leaves.push_back(leaf);
    }
    return leaves;
}

// Moves one root and reads every leaf's world position, as the render and physics passes do.
void MoveOneReadAll(benchmark::State& state) {
    SceneManager scene;
    std::vector<SceneNode*> leaves = populate(scene, static_cast<int>(state.range(0)));
    SceneNode* moved = leaves.front()->getParent()->getParent();
    double x = 0;
    for (auto _ : state) {
        moved->translate(Vector2(0.001, 0));
        for (SceneNode* leaf : leaves)
            x += leaf->getWorldMatrix()[6] + leaf->getWorldPosition().x;
    }
    benchmark::DoNotOptimize(x);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(MoveOneReadAll)->Arg(100)->Arg(1000);

// One scene update with nothing to collect: the queues of every entity and the garbage pass.
void IdleSceneUpdate(benchmark::State& state) {
    SceneManager scene;
    populate(scene, static_cast<int>(state.range(0)));
    for (auto _ : state)
        scene.updateProcess(0.016);
    state.SetItemsProcessed(state.iterations() * state.range(0) * 3);
}
BENCHMARK(IdleSceneUpdate)->Arg(100)->Arg(1000);

// Making and killing an entity each update, as bullets do.
void SpawnAndCollect(benchmark::State& state) {
    SceneManager scene;
    populate(scene, 200);
    for (auto _ : state) {
        SceneNode* bullet = Entity::create();
        scene.addNode(bullet);
        bullet->getEntity()->kill();
        scene.updateProcess(0.016);
    }
}
BENCHMARK(SpawnAndCollect);

} // namespace

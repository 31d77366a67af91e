#include "app/WorldHash.h"

#include "gameplay/Damageable.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Body {
    const char* name;
    Vector2 position;
    Vector2 velocity;
    int hp;
};

// The hash of a scene holding the bodies, added in the given order.
std::uint64_t hashOf(const std::vector<Body>& bodies) {
    SceneManager scene;
    for (const Body& body : bodies) {
        SceneNode* node =
            Entity::create(body.name, {new Movable(1.0, body.velocity), new Damageable(body.hp)});
        node->setPosition(body.position);
        scene.addNode(node);
    }
    return WorldHash::of(scene);
}

} // namespace

TEST(WorldHashTest, SeesEveryHashedChangeAboveTheQuantumAndNothingElse) {
    const std::vector<Body> base{{"Rock", {10, 20}, {1, 0}, 30},
                                 {"Rock", {-5, 7}, {0, 2}, 30},
                                 {"Ship", {0, 0}, {0, 0}, 90}};
    const struct {
        const char* change;
        std::function<void(std::vector<Body>&)> apply;
        bool sameHash;
    } cases[] = {
        {"the scene takes them in another order",
         [](std::vector<Body>& bodies) { std::swap(bodies[0], bodies[2]); }, true},
        {"two of one name swap places", [](std::vector<Body>& b) { std::swap(b[0], b[1]); }, true},
        {"a position moves by 1e-8", [](std::vector<Body>& b) { b[2].position.x += 1e-8; }, true},
        {"a position moves by 1e-5", [](std::vector<Body>& b) { b[2].position.x += 1e-5; }, false},
        {"x and y of a position trade",
         [](std::vector<Body>& b) {
             b[0].position = {20, 10};
         },
         false},
        {"a velocity changes", [](std::vector<Body>& b) { b[1].velocity.y = -2; }, false},
        {"hit points change", [](std::vector<Body>& b) { b[2].hp = 89; }, false},
        {"an entity is renamed", [](std::vector<Body>& b) { b[2].name = "Shi"; }, false},
        {"an entity goes", [](std::vector<Body>& b) { b.pop_back(); }, false},
        {"a position becomes NaN", [](std::vector<Body>& b) { b[0].position.y = std::nan(""); },
         false},
    };
    const std::uint64_t expected = hashOf(base);
    for (const auto& test : cases) {
        std::vector<Body> changed = base;
        test.apply(changed);
        EXPECT_EQ(hashOf(changed) == expected, test.sameHash) << test.change;
    }
}

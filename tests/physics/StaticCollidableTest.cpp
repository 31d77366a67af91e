#include "PhysicsScene.h"

#include "physics/OrientedBox.h"

// The world bound is made from the local bound each time the node moves, never accumulated.
TEST(StaticCollidable, BuildsTheNamedShapeAndItsWorldBoundFollowsTheNode) {
    auto oriented =
        create<StaticCollidable>({{"type", "OBB"}, {"ori", "(0,1)"}, {"box", "(0,0),(2,4)"}});
    EXPECT_EQ(Vector2(-1, 1), oriented->getBoundingBox().min);
    EXPECT_EQ("Invalid type parameter for StaticCollidable.", thrownMessage([] {
                  create<StaticCollidable>({{"type", "aabb"}});
              }));
    auto* collidable = create<StaticCollidable>({{"type", "Circle"}, {"radius", "1"}}).release();
    std::unique_ptr<SceneNode> node(Entity::create("crate", {collidable}));
    node->setPosition({10, 0});
    node->setScale({2, 2});
    EXPECT_EQ(Vector2(8, -2), collidable->getWorldBoundingBox().min);
    node->setPosition({0, 5});
    node->setScale({1, 1});
    EXPECT_EQ(Vector2(1, 6), collidable->getWorldBoundingBox().max);
}

#include "PhysicsScene.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/CollidableLine.h"
#include "physics/OrientedBox.h"
#include "physics/StaticCollidable.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

TEST(StaticCollidable, BuildsTheNamedShapeFromItsParameters) {
    auto circle = create<StaticCollidable>({{"type", "Circle"}, {"radius", "3"}});
    EXPECT_EQ(Vector2(3, 3), circle->getBoundingBox().max);
    auto oriented =
        create<StaticCollidable>({{"type", "OBB"}, {"ori", "(0,1)"}, {"box", "(0,0),(2,4)"}});
    EXPECT_EQ(BoundType::OrientedBox, oriented->getLocalBound().getBoundType());
    EXPECT_EQ(Vector2(-1, 1), oriented->getBoundingBox().min);
    for (Entries wrong : {Entries{{"type", "aabb"}}, Entries{{"radius", "1"}}})
        EXPECT_EQ("Invalid type parameter for StaticCollidable.",
                  creationError<StaticCollidable>(wrong));
}

// The world bound is made from the local bound each time the node moves, never accumulated.
TEST(StaticCollidable, WorldBoundFollowsTheNodeFromTheLocalBound) {
    auto* collidable = new StaticCollidable(AxisAlignedBox({-1, -1}, {1, 1}));
    std::unique_ptr<SceneNode> node(Entity::create("crate", {collidable}));
    node->setPosition({10, 0});
    node->setScale({2, 2});
    EXPECT_EQ(Vector2(8, -2), collidable->getWorldBoundingBox().min);
    node->setPosition({0, 5});
    node->setScale({1, 1});
    EXPECT_EQ(Vector2(-1, 4), collidable->getWorldBoundingBox().min);
    EXPECT_EQ(Vector2(1, 6), collidable->getWorldBoundingBox().max);
    EXPECT_EQ(Vector2(-1, -1), collidable->getBoundingBox().min);
}

TEST(CollidableLine, ReadsAxisFromTheFirstCharacter) {
    const std::pair<const char*, CollidableLine::Axis> axes[] = {
        {"x", CollidableLine::x}, {"Xaxis", CollidableLine::x}, {"Y", CollidableLine::y}};
    for (const auto& axis : axes)
        EXPECT_EQ(axis.second, create<CollidableLine>({{"axis", axis.first}})->getAxis());
    EXPECT_EQ("CollidableLine Could not find parameter 'axis'", creationError<CollidableLine>({}));
    EXPECT_NE(
        std::string::npos,
        creationError<CollidableLine>({{"axis", "z"}}).find("Unable to convert parameter 'axis'"));
}

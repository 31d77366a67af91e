#include "physics/StaticCollidable.h"
#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/Circle.h"
#include "physics/CollidableLine.h"
#include "physics/OrientedBox.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename T>
std::unique_ptr<T> create(std::initializer_list<std::pair<const char*, const char*>> entries) {
    ParamList params;
    for (const auto& entry : entries)
        params.set(entry.first, entry.second);
    return std::unique_ptr<T>(static_cast<T*>(T().createNew(params)));
}

template <typename T>
std::string creationError(std::initializer_list<std::pair<const char*, const char*>> entries) {
    try {
        create<T>(entries);
    } catch (const myexception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(StaticCollidable, BuildsTheNamedShapeFromItsParameters) {
    auto circle = create<StaticCollidable>({{"type", "Circle"}, {"radius", "3"}});
    ASSERT_EQ(BoundType::Circle, circle->getLocalBound().getBoundType());
    EXPECT_EQ(3.0, static_cast<const Circle&>(circle->getLocalBound()).radius);

    auto oriented = create<StaticCollidable>({{"type", "OBB"}, {"box", "(0,0),(2,4)"}});
    ASSERT_EQ(BoundType::OrientedBox, oriented->getLocalBound().getBoundType());
    EXPECT_EQ(Vector2(2, 4), oriented->getBoundingBox().max);

    EXPECT_EQ("Invalid type parameter for StaticCollidable.",
              creationError<StaticCollidable>({{"type", "aabb"}}));
    EXPECT_EQ("Invalid type parameter for StaticCollidable.",
              creationError<StaticCollidable>({{"radius", "1"}}));
}

TEST(StaticCollidable, WorldBoundFollowsTheNodeWhileBoundingBoxStaysLocal) {
    auto* collidable = new StaticCollidable(AxisAlignedBox({-1, -1}, {1, 1}));
    std::unique_ptr<SceneNode> node(Entity::create("crate", {collidable}));
    EXPECT_EQ(collidable, node->getEntity()->getComponent(Collidable::roleName()));

    node->setPosition({10, 0});
    node->setScale({2, 2});
    AxisAlignedBox world = collidable->getWorldBoundingBox();
    EXPECT_EQ(Vector2(8, -2), world.min);
    EXPECT_EQ(Vector2(12, 2), world.max);
    EXPECT_EQ(Vector2(-1, -1), collidable->getBoundingBox().min);

    // Computed from the local bound each time the matrix changes, not accumulated.
    node->setPosition({0, 5});
    node->setScale({1, 1});
    world = collidable->getWorldBoundingBox();
    EXPECT_EQ(Vector2(-1, 4), world.min);
    EXPECT_EQ(Vector2(1, 6), world.max);
    const Bound* same = &collidable->getWorldBound();
    EXPECT_EQ(same, &collidable->getWorldBound());
}

TEST(StaticCollidable, CloneCopiesTheLocalShapeOnly) {
    auto* collidable = new StaticCollidable(OrientedBox(AxisAlignedBox({0, 0}, {2, 2}), {0, 1}));
    std::unique_ptr<SceneNode> node(Entity::create("crate", {collidable}));
    node->setPosition({5, 5});
    collidable->getWorldBound();
    std::unique_ptr<Collidable> copy(static_cast<Collidable*>(collidable->clone()));
    EXPECT_EQ(nullptr, copy->getEntity());
    EXPECT_EQ(Vector2(1, 1), static_cast<const OrientedBox&>(copy->getWorldBound()).getCenter());
}

TEST(CollidableLine, ReadsAxisFromTheFirstCharacter) {
    EXPECT_EQ(CollidableLine::x, create<CollidableLine>({{"axis", "x"}})->getAxis());
    EXPECT_EQ(CollidableLine::x, create<CollidableLine>({{"axis", "Xaxis"}})->getAxis());
    EXPECT_EQ(CollidableLine::y, create<CollidableLine>({{"axis", "Y"}})->getAxis());
    EXPECT_EQ("CollidableLine Could not find parameter 'axis'", creationError<CollidableLine>({}));
    EXPECT_NE(
        std::string::npos,
        creationError<CollidableLine>({{"axis", "z"}}).find("Unable to convert parameter 'axis'"));
}

#include "core/ParamList.h"
#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"
#include "physics/WorldTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

ParamList params(std::initializer_list<std::pair<const char*, const char*>> entries) {
    ParamList list;
    for (const auto& entry : entries)
        list.set(entry.first, entry.second);
    return list;
}

void expectNear(const Vector2& expected, const Vector2& actual) {
    EXPECT_NEAR(expected.x, actual.x, 1e-9);
    EXPECT_NEAR(expected.y, actual.y, 1e-9);
}

template <typename T> std::unique_ptr<T> create(const ParamList& list) {
    return std::unique_ptr<T>(static_cast<T*>(T().createNew(list)));
}

} // namespace

TEST(CreateBoundByName, KnowsNamesAndAliasesCaseSensitively) {
    const std::pair<const char*, BoundType> known[] = {
        {"AxisAlignedBox", BoundType::AxisAlignedBox},
        {"AABB", BoundType::AxisAlignedBox},
        {"OrientedBox", BoundType::OrientedBox},
        {"OBB", BoundType::OrientedBox},
        {"Circle", BoundType::Circle}};
    for (const auto& name : known)
        EXPECT_EQ(name.second, createBoundByName(name.first)->getBoundType()) << name.first;
    for (const char* unknown : {"aabb", "circle", ""})
        EXPECT_EQ(nullptr, createBoundByName(unknown)) << unknown;
}

TEST(AxisAlignedBox, CenterAndDimWinOnlyWhenBothPresent) {
    auto box =
        create<AxisAlignedBox>(params({{"center", "(10,20)"}, {"dim", "(4,6)"}, {"min", "(1,1)"}}));
    expectNear({8, 17}, box->min);
    expectNear({12, 23}, box->max);

    auto centreOnly = create<AxisAlignedBox>(params({{"center", "(10,20)"}}));
    expectNear({0, 0}, centreOnly->min);
    expectNear({0, 0}, centreOnly->max);

    auto corners =
        create<AxisAlignedBox>(params({{"dim", "(4,6)"}, {"min", "(-1,-2)"}, {"max", "oops"}}));
    expectNear({-1, -2}, corners->min);
    expectNear({0, 0}, corners->max);
}

TEST(AxisAlignedBox, TextFormLeavesBoxUnchangedOnFailure) {
    ParamList list = params({{"good", "(0,1),(4,5)"}, {"bad", "(0,1),(4"}});
    AxisAlignedBox box({7, 7}, {8, 8});
    EXPECT_EQ(ParamList::NotConvertible, list.get("bad", box));
    expectNear({7, 7}, box.min);
    EXPECT_EQ(ParamList::Found, list.get("good", box));
    expectNear({0, 1}, box.min);
    expectNear({4, 5}, box.max);
}

TEST(AxisAlignedBox, ScalesAboutItsCentreAndSweeps) {
    AxisAlignedBox box({0, 0}, {4, 2});
    box.scale({2, 3});
    expectNear({-2, -2}, box.min);
    expectNear({6, 4}, box.max);

    AxisAlignedBox swept = AxisAlignedBox({0, 0}, {1, 1}).getSweptBox({3, -2});
    expectNear({0, -2}, swept.min);
    expectNear({4, 1}, swept.max);
}

TEST(AxisAlignedBox, TransformMovesCentreWithoutTurningBox) {
    AxisAlignedBox box({1, -1}, {3, 1}); // centre (2, 0)
    box.transform(WorldTransform::fromParts({10, 5}, {0, 1}, {1, 1}));
    // (2, 0) turned a quarter becomes (0, 2), then moves to (10, 7); extents stay 2 x 2.
    expectNear({9, 6}, box.min);
    expectNear({11, 8}, box.max);
}

// A scaled-up entity keeps its box centred on the mapped centre and grows it, as the other
// shapes do, instead of shrinking it and sliding it off the entity.
TEST(AxisAlignedBox, TransformUnderWorldScaleGrowsBoxAboutMappedCentre) {
    AxisAlignedBox box({1, -1}, {3, 1}); // centre (2, 0), 2 x 2
    box.transform(WorldTransform::fromParts({10, 0}, {1, 0}, {2, 3}));
    expectNear({14, 0}, box.getCenter());
    expectNear({4, 6}, box.getSize());

    AxisAlignedBox mirrored({-1, -1}, {1, 1});
    mirrored.transform(WorldTransform::fromParts({0, 0}, {1, 0}, {-2, 1}));
    expectNear({-2, -1}, mirrored.min);
    expectNear({2, 1}, mirrored.max);
}

TEST(AxisAlignedBox, AssignIgnoresOtherShapes) {
    AxisAlignedBox box({0, 0}, {1, 1});
    box.assign(Circle({5, 5}, 2));
    expectNear({1, 1}, box.max);
    box.assign(AxisAlignedBox({2, 2}, {3, 3}));
    expectNear({3, 3}, box.max);
}

TEST(OrientedBox, NormalisesOrientationAndTurnsCornersAboutCentre) {
    auto box = create<OrientedBox>(params({{"ori", "(0,2)"}, {"box", "(-1,-2),(1,2)"}}));
    expectNear({0, 1}, box->getOrientation());
    const auto& corners = box->getCorners();
    expectNear({2, -1}, corners[0]);
    expectNear({-2, -1}, corners[1]);
    expectNear({-2, 1}, corners[2]);
    expectNear({2, 1}, corners[3]);
    AxisAlignedBox bounds = box->getBoundingBox();
    expectNear({-2, -1}, bounds.min);
    expectNear({2, 1}, bounds.max);
}

TEST(OrientedBox, ZeroOrientationParameterKeepsIdentity) {
    auto box = create<OrientedBox>(params({{"ori", "(0,0)"}, {"min", "(0,0)"}, {"max", "(1,1)"}}));
    expectNear({1, 0}, box->getOrientation());
    expectNear({1, 1}, box->getBoundingBox().max);
}

TEST(OrientedBox, LoadReadsBoxParametersAndRawOrientation) {
    OrientedBox box;
    box.load(params({{"center", "(1,1)"}, {"dim", "(2,2)"}, {"ori", "(0,2)"}, {"box", "x"}}));
    expectNear({0, 0}, box.getLocalBox().min);
    expectNear({0, 2}, box.getOrientation());
}

TEST(OrientedBox, IdentityOperationsKeepCaches) {
    OrientedBox box(AxisAlignedBox({0, 0}, {2, 2}), Vector2(0, 1));
    box.getBoundingBox();
    ASSERT_TRUE(box.areCornersValid());
    ASSERT_TRUE(box.isEnclosingBoxValid());
    box.rotate({1, 0});
    box.translate({0, 0});
    box.scale({1, 1});
    box.rotate({0, 0});
    box.transform(WorldTransform());
    EXPECT_TRUE(box.areCornersValid());
    EXPECT_TRUE(box.isEnclosingBoxValid());
    expectNear({0, 1}, box.getOrientation());
}

TEST(OrientedBox, TranslationMovesCachedCornersAndRefreshesBoundingBox) {
    OrientedBox box(AxisAlignedBox({-1, -2}, {1, 2}), Vector2(0, 1));
    box.getBoundingBox();
    box.translate({10, 0});
    EXPECT_TRUE(box.areCornersValid());
    EXPECT_FALSE(box.isEnclosingBoxValid());
    expectNear({12, -1}, box.getCorners()[0]);
    AxisAlignedBox bounds = box.getBoundingBox();
    expectNear({8, -1}, bounds.min);
    expectNear({12, 1}, bounds.max);
}

TEST(OrientedBox, RotateNormalisesDirectionAndInvalidatesCorners) {
    OrientedBox box(AxisAlignedBox({-1, -1}, {1, 1}), Vector2(1, 0));
    box.getCorners();
    box.rotate({0, 5});
    EXPECT_FALSE(box.areCornersValid());
    expectNear({0, 1}, box.getOrientation());
}

TEST(OrientedBox, TransformScalesTurnsThenMovesCentre) {
    OrientedBox box(AxisAlignedBox({1, -1}, {3, 1}), Vector2(1, 0)); // centre (2, 0), 2 x 2
    box.getCorners();
    box.transform(WorldTransform::fromParts({5, 5}, {0, 1}, {2, 1}));
    EXPECT_FALSE(box.areCornersValid());
    // centre (2, 0) scaled to (4, 0), turned to (0, 4), moved to (5, 9); box 4 x 2 turned 90 deg.
    expectNear({5, 9}, box.getCenter());
    expectNear({4, 2}, box.getLocalBox().getSize());
    expectNear({0, 1}, box.getOrientation());
    AxisAlignedBox bounds = box.getBoundingBox();
    expectNear({4, 7}, bounds.min);
    expectNear({6, 11}, bounds.max);
}

TEST(OrientedBox, AssignCopiesCachesFromOrientedBoxOnly) {
    OrientedBox source(AxisAlignedBox({0, 0}, {2, 2}), Vector2(0, 1));
    source.getBoundingBox();
    OrientedBox target;
    target.assign(AxisAlignedBox({5, 5}, {6, 6}));
    EXPECT_FALSE(target.areCornersValid());
    target.assign(source);
    EXPECT_TRUE(target.areCornersValid());
    EXPECT_TRUE(target.isEnclosingBoxValid());
    expectNear(source.getCorners()[0], target.getCorners()[0]);
}

TEST(Circle, ReadsParametersAndTransformsWithAverageScale) {
    auto circle = create<Circle>(params({{"center", "(1,0)"}, {"radius", "2"}}));
    circle->transform(WorldTransform::fromParts({10, 0}, {0, 1}, {2, 2}));
    expectNear({10, 2}, circle->center);
    EXPECT_DOUBLE_EQ(4.0, circle->radius);
    AxisAlignedBox bounds = circle->getBoundingBox();
    expectNear({6, -2}, bounds.min);
    expectNear({14, 6}, bounds.max);

    Circle stretched({0, 0}, 2);
    stretched.transform(WorldTransform::fromParts({0, 0}, {1, 0}, {1, 3}));
    EXPECT_DOUBLE_EQ(4.0, stretched.radius);

    auto unreadable = create<Circle>(params({{"radius", "wide"}}));
    EXPECT_EQ(0.0, unreadable->radius);
}

#include "physics/Intersection.h"
#include "core/myexception.h"
#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"

#include <gtest/gtest.h>

#include <cmath>

// Touching is never overlap, for every pair of shapes; each pair is asked both ways round.
TEST(Intersect, OverlapIsStrictForEveryPairOfShapes) {
    const Vector2 eighthTurn(std::sqrt(0.5), std::sqrt(0.5));
    const AxisAlignedBox unit({0, 0}, {1, 1}), two({0, 0}, {2, 2});
    const Circle one({0, 0}, 1), point({1, 1}, 0);
    // A 2 x 2 box turned 45 degrees about (0, 0): a diamond reaching sqrt(2) along the axes.
    const OrientedBox diamond(AxisAlignedBox({-1, -1}, {1, 1}), eighthTurn);
    const OrientedBox bar(AxisAlignedBox({-5, -0.5}, {5, 0.5}), eighthTurn);
    const OrientedBox upright(AxisAlignedBox({-1, -2}, {1, 2}), {0, 1}); // x -2..2, y -1..1
    const OrientedBox unturned(AxisAlignedBox({0, 0}, {1, 1}), {1, 0});
    struct Case {
        const char* what;
        const Bound& a;
        const Bound& b;
        bool overlap;
    };
    const Case cases[] = {
        {"boxes sharing an edge", unit, AxisAlignedBox({1, 0}, {2, 1}), false},
        {"circles touching", one, Circle({3, 0}, 2), false},
        {"circle touching a box edge", Circle({3, 1}, 1), two, false},
        {"circle reaching a box corner", Circle({3, 3}, 1.42), two, true},
        // A zero radius never overlaps boxes, even inside.
        {"point inside a box", point, two, false},
        {"box reaching the diamond's tip", diamond, AxisAlignedBox({1.4, -0.1}, {2, 0.1}), true},
        {"box beyond the diamond's tip", diamond, AxisAlignedBox({1.5, -0.1}, {2, 0.1}), false},
        {"circle on the bar", bar, Circle({3, 3}, 0.2), true},
        {"unturned oriented box touching", unturned, AxisAlignedBox({1, 0}, {2, 1}), false},
        {"circle touching an upright box", upright, Circle({0, 2}, 1), false},
        // Separated only along the diamond's own axis, then only along the other box's.
        {"diamond and a corner box", diamond, OrientedBox(AxisAlignedBox({1, 1}, {2, 2}), {1, 0}),
         false},
        {"diamond and a box beside it", diamond,
         OrientedBox(AxisAlignedBox({1.5, -0.1}, {2.5, 0.1}), {1, 0}), false},
        {"diamond and a crossing bar", diamond,
         OrientedBox(AxisAlignedBox({-3, -0.1}, {3, 0.1}), {1, 0}), true},
        {"diamonds touching", diamond, OrientedBox(AxisAlignedBox({2, -1}, {4, 1}), eighthTurn),
         false},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(test.overlap, intersect(test.a, test.b)) << test.what;
        EXPECT_EQ(test.overlap, intersect(test.b, test.a)) << test.what << ", reversed";
    }
}

TEST(Intersect, UnknownBoundTypeRaises) {
    struct UnknownBound : AxisAlignedBox {
        BoundType getBoundType() const override { return static_cast<BoundType>(7); }
    } odd;
    EXPECT_THROW(intersect(AxisAlignedBox({0, 0}, {1, 1}), odd), myexception);
}

TEST(ContainsPoint, IsStrictOnAllSides) {
    AxisAlignedBox box({0, 0}, {2, 1});
    EXPECT_TRUE(containsPoint({1, 0.5}, box));
    for (const Vector2& edge : {Vector2(0, 0.5), Vector2(2, 0.5), Vector2(1, 0), Vector2(1, 1)})
        EXPECT_FALSE(containsPoint(edge, box)) << edge.x << ", " << edge.y;
}

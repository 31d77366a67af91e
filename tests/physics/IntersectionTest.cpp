#include "physics/Intersection.h"
#include "core/myexception.h"
#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// intersect must answer the same whichever way round a pair is given.
void expectOverlap(bool expected, const Bound& a, const Bound& b) {
    EXPECT_EQ(expected, intersect(a, b));
    EXPECT_EQ(expected, intersect(b, a));
}

const Vector2 quarterTurn(0, 1);
const Vector2 eighthTurn(std::sqrt(0.5), std::sqrt(0.5));

class UnknownBound : public AxisAlignedBox {
public:
    BoundType getBoundType() const override { return static_cast<BoundType>(7); }
};

} // namespace

TEST(Intersect, BoxesSharingAnEdgeDoNotOverlap) {
    AxisAlignedBox p({0, 0}, {1, 1});
    expectOverlap(false, p, AxisAlignedBox({1, 0}, {2, 1}));
    expectOverlap(false, p, AxisAlignedBox({0, 1}, {1, 2}));
    expectOverlap(true, p, AxisAlignedBox({0.999, 0.999}, {2, 2}));
    expectOverlap(true, p, AxisAlignedBox({0.25, 0.25}, {0.5, 0.5}));
}

TEST(Intersect, CirclesExactlyTouchingDoNotOverlap) {
    Circle a({0, 0}, 1);
    expectOverlap(false, a, Circle({3, 0}, 2));
    expectOverlap(true, a, Circle({2.999, 0}, 2));
}

TEST(Intersect, CircleAndBox) {
    AxisAlignedBox box({0, 0}, {2, 2});
    expectOverlap(true, Circle({2, 1}, 0.1), box);   // centre on an edge
    expectOverlap(true, Circle({1, 1}, 0.1), box);   // centre inside
    expectOverlap(false, Circle({3, 1}, 1), box);    // touching the edge
    expectOverlap(false, Circle({3, 3}, 1.41), box); // near the corner, short of it
    expectOverlap(true, Circle({3, 3}, 1.42), box);
}

// Against boxes a zero radius never overlaps, even inside; against a circle that holds it, the
// sum of radii still reaches it.
TEST(Intersect, ZeroRadiusCircleOverlapsOnlyCirclesAroundIt) {
    Circle point({1, 1}, 0);
    expectOverlap(false, point, AxisAlignedBox({0, 0}, {2, 2}));
    expectOverlap(true, point, Circle({1, 1}, 5));
    expectOverlap(false, point, Circle({6, 1}, 5));
    expectOverlap(false, point, OrientedBox(AxisAlignedBox({0, 0}, {2, 2}), eighthTurn));
    expectOverlap(false, point, Circle({1, 1}, 0));
}

TEST(Intersect, OrientedBoxAgainstBoxUsesItsTurnedShape) {
    // A 2 x 2 box turned 45 degrees about (0, 0): a diamond reaching sqrt(2) along the axes.
    OrientedBox diamond(AxisAlignedBox({-1, -1}, {1, 1}), eighthTurn);
    // Inside the enclosing box's corner but outside the diamond.
    expectOverlap(false, diamond, AxisAlignedBox({1.0, 1.0}, {2, 2}));
    expectOverlap(true, diamond, AxisAlignedBox({1.4, -0.1}, {2, 0.1}));
    expectOverlap(false, diamond, AxisAlignedBox({1.5, -0.1}, {2, 0.1}));
    // Unturned oriented boxes behave like boxes, touching included.
    OrientedBox square(AxisAlignedBox({0, 0}, {1, 1}), Vector2(1, 0));
    expectOverlap(false, square, AxisAlignedBox({1, 0}, {2, 1}));
    expectOverlap(true, square, AxisAlignedBox({0.5, 0.5}, {2, 1}));
}

TEST(Intersect, OrientedBoxAgainstCircle) {
    // A long thin bar along the diagonal.
    OrientedBox bar(AxisAlignedBox({-5, -0.5}, {5, 0.5}), eighthTurn);
    expectOverlap(true, bar, Circle({3, 3}, 0.2));
    expectOverlap(false, bar, Circle({3, -3}, 0.2));
    expectOverlap(false, bar, Circle({0, 1}, 0.2)); // distance sqrt(0.5) from the axis
    OrientedBox upright(AxisAlignedBox({-1, -2}, {1, 2}), quarterTurn); // spans x -2..2, y -1..1
    expectOverlap(false, upright, Circle({0, 2}, 1));
    expectOverlap(true, upright, Circle({0, 2}, 1.01));
    expectOverlap(true, upright, Circle({1.9, 0}, 0.01));
}

TEST(Intersect, OrientedBoxesUseBothFramesOfSeparation) {
    OrientedBox diamond(AxisAlignedBox({-1, -1}, {1, 1}), eighthTurn);
    // Separated only along the diamond's own axis.
    OrientedBox corner(AxisAlignedBox({1, 1}, {2, 2}), Vector2(1, 0));
    expectOverlap(false, diamond, corner);
    // Separated only along the other box's axis.
    OrientedBox beside(AxisAlignedBox({1.5, -0.1}, {2.5, 0.1}), Vector2(1, 0));
    expectOverlap(false, diamond, beside);
    OrientedBox crossing(AxisAlignedBox({-3, -0.1}, {3, 0.1}), Vector2(1, 0));
    expectOverlap(true, diamond, crossing);
    expectOverlap(false, diamond, OrientedBox(AxisAlignedBox({2, -1}, {4, 1}), eighthTurn));
    expectOverlap(true, diamond, OrientedBox(AxisAlignedBox({1.5, -1}, {3.5, 1}), eighthTurn));
}

TEST(Intersect, UnknownBoundTypeRaises) {
    UnknownBound odd;
    AxisAlignedBox box({0, 0}, {1, 1});
    try {
        intersect(box, odd);
        FAIL() << "expected an exception";
    } catch (const myexception& error) {
        EXPECT_STREQ("Unknown Bound Type in collision intersect test.", error.what());
    }
    EXPECT_THROW(intersect(odd, box), myexception);
}

TEST(ContainsPoint, IsStrictOnAllSides) {
    AxisAlignedBox box({0, 0}, {2, 1});
    EXPECT_TRUE(containsPoint({1, 0.5}, box));
    EXPECT_FALSE(containsPoint({0, 0.5}, box));
    EXPECT_FALSE(containsPoint({2, 0.5}, box));
    EXPECT_FALSE(containsPoint({1, 0}, box));
    EXPECT_FALSE(containsPoint({1, 1}, box));
}

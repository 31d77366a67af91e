#include "PhysicsScene.h"

#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"
#include "physics/WorldTransform.h"

static void expectBox(const Vector2& min, const Vector2& max, const AxisAlignedBox& box) {
    expectNear(min, box.min);
    expectNear(max, box.max);
}

TEST(AxisAlignedBox, CenterAndDimWinOverCornersAndBadTextChangesNothing) {
    expectBox({8, 17}, {12, 23},
              *create<AxisAlignedBox>({{"center", "(10,20)"}, {"dim", "(4,6)"}, {"min", "(1,1)"}}));
    AxisAlignedBox unchanged({7, 7}, {8, 8});
    EXPECT_EQ(ParamList::NotConvertible, params({{"bad", "(0,1),(4"}}).get("bad", unchanged));
    expectBox({7, 7}, {8, 8}, unchanged);
}

// Centres follow the whole frame, extents the scale: a scaled-up box once shrank and slid off.
TEST(Bound, TransformMapsCentreAndScalesExtents) {
    auto check = [](const char* what, const Bound& original, Vector2 position, Vector2 turn,
                    Vector2 scale, Vector2 min, Vector2 max) {
        SCOPED_TRACE(what);
        std::unique_ptr<Bound> shape(original.clone());
        shape->getBoundingBox(); // fills any cache the transform must not trust
        shape->transform(WorldTransform::fromParts(position, turn, scale));
        expectBox(min, max, shape->getBoundingBox());
    };
    const AxisAlignedBox box({1, -1}, {3, 1});
    check("box turned", box, {10, 5}, {0, 1}, {1, 1}, {9, 6}, {11, 8});
    check("box scaled", box, {10, 0}, {1, 0}, {2, 3}, {12, -3}, {16, 3});
    check("oriented box", OrientedBox(box, {1, 0}), {5, 5}, {0, 1}, {2, 1}, {4, 7}, {6, 11});
    check("circle stretched", Circle({0, 0}, 2), {}, {1, 0}, {1, 3}, {-4, -4}, {4, 4});
}

// Normalised, a zero orientation ignored, cached corners in step with later moves and turns.
TEST(OrientedBox, NormalisesItsOrientationAndKeepsCachedCornersInStep) {
    expectBox({-2, -1}, {2, 1},
              create<OrientedBox>({{"ori", "(0,2)"}, {"box", "(-1,-2),(1,2)"}})->getBoundingBox());
    expectBox({0, 0}, {1, 1},
              create<OrientedBox>({{"ori", "(0,0)"}, {"min", "(0,0)"}, {"max", "(1,1)"}})
                  ->getBoundingBox());

    OrientedBox box(AxisAlignedBox({-1, -2}, {1, 2}), Vector2(0, 1));
    box.getBoundingBox();
    box.translate({10, 0});
    expectBox({8, -1}, {12, 1}, box.getBoundingBox());
    box.rotate({0, 5}); // a further quarter turn, whatever the direction's length
    expectBox({9, -2}, {11, 2}, box.getBoundingBox());
}

#include "core/ParamList.h"
#include "physics/AxisAlignedBox.h"
#include "physics/Circle.h"
#include "physics/OrientedBox.h"
#include "physics/WorldTransform.h"

#include <gtest/gtest.h>

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

void expectBox(const Vector2& min, const Vector2& max, const AxisAlignedBox& box) {
    expectNear(min, box.min);
    expectNear(max, box.max);
}

template <typename T> std::unique_ptr<T> create(const ParamList& list) {
    return std::unique_ptr<T>(static_cast<T*>(T().createNew(list)));
}

} // namespace

TEST(AxisAlignedBox, CenterAndDimWinOnlyWhenBothPresentAndBadTextChangesNothing) {
    auto box =
        create<AxisAlignedBox>(params({{"center", "(10,20)"}, {"dim", "(4,6)"}, {"min", "(1,1)"}}));
    expectBox({8, 17}, {12, 23}, *box);
    expectBox({0, 0}, {0, 0}, *create<AxisAlignedBox>(params({{"center", "(10,20)"}})));
    auto corners =
        create<AxisAlignedBox>(params({{"dim", "(4,6)"}, {"min", "(-1,-2)"}, {"max", "oops"}}));
    expectBox({-1, -2}, {0, 0}, *corners);

    ParamList list = params({{"good", "(0,1),(4,5)"}, {"bad", "(0,1),(4"}});
    AxisAlignedBox text({7, 7}, {8, 8});
    EXPECT_EQ(ParamList::NotConvertible, list.get("bad", text));
    expectBox({7, 7}, {8, 8}, text);
    EXPECT_EQ(ParamList::Found, list.get("good", text));
    expectBox({0, 1}, {4, 5}, text);
}

TEST(AxisAlignedBox, ScalesAboutItsCentreAndSweeps) {
    AxisAlignedBox box({0, 0}, {4, 2});
    box.scale({2, 3});
    expectBox({-2, -2}, {6, 4}, box);
    expectBox({0, -2}, {4, 1}, AxisAlignedBox({0, 0}, {1, 1}).getSweptBox({3, -2}));
}

// Every shape maps its centre through the whole frame and grows with the scale; a box that does
// not turn keeps its extents when the frame turns. A scaled-up box once shrank and slid off its
// entity.
TEST(Bound, TransformMapsCentreAndScalesExtents) {
    struct Case {
        const char* what;
        std::shared_ptr<Bound> shape;
        WorldTransform frame;
        AxisAlignedBox expected;
    };
    const std::shared_ptr<Bound> square =
        std::make_shared<AxisAlignedBox>(Vector2(1, -1), Vector2(3, 1));
    const Case cases[] = {
        {"box turned",
         square,
         WorldTransform::fromParts({10, 5}, {0, 1}, {1, 1}),
         {{9, 6}, {11, 8}}},
        {"box scaled",
         square,
         WorldTransform::fromParts({10, 0}, {1, 0}, {2, 3}),
         {{12, -3}, {16, 3}}},
        {"box mirrored",
         std::make_shared<AxisAlignedBox>(Vector2(-1, -1), Vector2(1, 1)),
         WorldTransform::fromParts({0, 0}, {1, 0}, {-2, 1}),
         {{-2, -1}, {2, 1}}},
        // Scaled to centre (4, 0) and 4 x 2, turned to (0, 4) and 2 x 4, moved to (5, 9).
        {"oriented box",
         std::make_shared<OrientedBox>(AxisAlignedBox({1, -1}, {3, 1}), Vector2(1, 0)),
         WorldTransform::fromParts({5, 5}, {0, 1}, {2, 1}),
         {{4, 7}, {6, 11}}},
        {"circle",
         create<Circle>(params({{"center", "(1,0)"}, {"radius", "2"}})),
         WorldTransform::fromParts({10, 0}, {0, 1}, {2, 2}),
         {{6, -2}, {14, 6}}},
        // A stretched circle takes the average scale.
        {"circle stretched",
         std::make_shared<Circle>(Vector2(0, 0), 2),
         WorldTransform::fromParts({0, 0}, {1, 0}, {1, 3}),
         {{-4, -4}, {4, 4}}}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        std::unique_ptr<Bound> shape(test.shape->clone());
        shape->getBoundingBox(); // fills any cache the transform must not trust
        shape->transform(test.frame);
        expectBox(test.expected.min, test.expected.max, shape->getBoundingBox());
    }
}

TEST(OrientedBox, ReadsNormalisedOrientationAndTurnsCornersAboutCentre) {
    auto box = create<OrientedBox>(params({{"ori", "(0,2)"}, {"box", "(-1,-2),(1,2)"}}));
    const Vector2 expected[] = {{2, -1}, {-2, -1}, {-2, 1}, {2, 1}};
    for (int corner = 0; corner < 4; ++corner)
        expectNear(expected[corner], box->getCorners()[corner]);
    expectBox({-2, -1}, {2, 1}, box->getBoundingBox());

    // A zero orientation would turn every corner onto the centre.
    auto flat = create<OrientedBox>(params({{"ori", "(0,0)"}, {"min", "(0,0)"}, {"max", "(1,1)"}}));
    expectBox({0, 0}, {1, 1}, flat->getBoundingBox());
}

TEST(OrientedBox, CachedCornersFollowTranslationAndRotation) {
    OrientedBox box(AxisAlignedBox({-1, -2}, {1, 2}), Vector2(0, 1));
    box.getBoundingBox();
    box.translate({10, 0});
    expectNear({12, -1}, box.getCorners()[0]);
    expectBox({8, -1}, {12, 1}, box.getBoundingBox());
    box.rotate({0, 5}); // a further quarter turn, whatever the direction's length
    expectBox({9, -2}, {11, 2}, box.getBoundingBox());
}

#include "presentation/StaticImage.h"
#include "presentation/Camera.h"
#include "presentation/RepeatedStaticImage.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <array>

namespace {
const Rgba black{0, 0, 0, 255}, red{255, 0, 0, 255}, green{0, 255, 0, 255};

std::array<double, 8> corners(double x0, double y0, double x1, double y1) {
    return {x0, y0, x0, y1, x1, y1, x1, y0};
}

class StaticImageTest : public RenderFixture {
protected:
    // 256 x 256 tiles, each red on its left half and green on its right half.
    RepeatedStaticImage* background(bool repeatY) {
        return RepeatedStaticImage::fromParams(params({{"filename", dataFile("HalfTile16.png")},
                                                       {"texCoord", "(0,0),(1,1)"},
                                                       {"zOrder", "0"},
                                                       {"center", "(0,0)"},
                                                       {"dim", "(256,256)"},
                                                       {"camera", "camera"},
                                                       {"repeatX", "true"},
                                                       {"repeatY", repeatY ? "true" : "false"}}));
    }
};
} // namespace

TEST_F(StaticImageTest, VerticesAreRecomputedOnlyWhenTheTransformChanged) {
    StaticImage* picture = StaticImage::fromParams(params({{"filename", dataFile("Red8.png")},
                                                           {"texCoord", "(0,0),(1,1)"},
                                                           {"zOrder", "1"},
                                                           {"min", "(-50,-50)"},
                                                           {"max", "(50,50)"}}));
    Entity* entity = addEntity("image", {picture}, 10, 20);
    picture->renderOperation();
    EXPECT_EQ(corners(-40, -30, 60, 70), picture->getVertices());
    EXPECT_FALSE(picture->updateGeometry());
    // Scaled along its own x, then turned a quarter: 200 units tall, 100 wide.
    entity->getNode()->setScale(Vector2(2, 1));
    entity->getNode()->setOrientation(Vector2(0, 1));
    EXPECT_TRUE(picture->updateGeometry());
    EXPECT_EQ(Vector2(-40, -80), picture->getBoundingBox().min);
    EXPECT_EQ(Vector2(60, 120), picture->getBoundingBox().max);
    // A geometry update made through the world box must refresh the bound as well.
    entity->getNode()->setPosition(Vector2(500, 0));
    picture->worldBox();
    EXPECT_EQ(Vector2(450, -100), picture->getBoundingBox().min);
}

// Picture (-98,-118)-(158,138): its grid starts at x -610, y -374; tiles stay as the camera moves.
TEST_F(StaticImageTest, RepeatedImageCoversTheViewWithWholeTilesOnItsOwnGrid) {
    Entity* camera = addEntity("camera", {new Camera(Vector2(800, 600))});
    RepeatedStaticImage* tiles = background(true);
    addEntity("background", {tiles}, 30, 10);
    drawFrame();
    EXPECT_EQ(corners(-610, -374, -610 + 4 * 256, -374 + 3 * 256), tiles->getVertices());
    EXPECT_EQ(corners(0, 0, 4, 3), tiles->getTexCoords());
    EXPECT_TRUE(tiles->getTexture()->getRepeat());
    EXPECT_NE(black, worldPixel(-399, -299));
    EXPECT_NE(black, worldPixel(399, 299));
    camera->getNode()->setPosition(Vector2(100, 40));
    drawFrame();
    EXPECT_EQ(corners(-354, -374, -354 + 4 * 256, -374 + 3 * 256), tiles->getVertices());
    EXPECT_EQ(green, worldPixel(350, 300));
    EXPECT_EQ(red, worldPixel(0, 0));
    EXPECT_EQ(green, worldPixel(-160, 0));
    // Along x only it keeps its own height and place, and its bound is the view: never culled.
    RepeatedStaticImage* strip = background(false);
    addEntity("strip", {strip}, 30, 10);
    strip->renderOperation();
    EXPECT_EQ(corners(-354, -118, -354 + 4 * 256, 138), strip->getVertices());
    EXPECT_EQ(Vector2(-300, -260), strip->getBoundingBox().min);
}

#include "presentation/StaticImage.h"
#include "core/myexception.h"
#include "presentation/Camera.h"
#include "presentation/RenderManager.h"
#include "presentation/RepeatedStaticImage.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {
const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};

std::array<double, 8> corners(double x0, double y0, double x1, double y1) {
    return {x0, y0, x0, y1, x1, y1, x1, y0};
}

class StaticImageTest : public RenderFixture {
protected:
    ParamList imageParams(const std::string& file) {
        return params({{"filename", dataFile(file)},
                       {"texCoord", "(0,0),(1,1)"},
                       {"zOrder", "1"},
                       {"min", "(-50,-50)"},
                       {"max", "(50,50)"}});
    }
};
} // namespace

TEST_F(StaticImageTest, MovingTheEntityRecomputesTheVerticesOnlyWhenTheTransformChanged) {
    auto image = StaticImage::fromParams(imageParams("Red8.png"));
    Entity* entity = addEntity("image", {image}, 10, 20);
    image->renderOperation();
    EXPECT_EQ(corners(-40, -30, 60, 70), image->getVertices());
    EXPECT_FALSE(image->updateGeometry());

    entity->getNode()->setScale(Vector2(2, 1));
    entity->getNode()->setOrientation(Vector2(0, 1));
    EXPECT_TRUE(image->updateGeometry());
    // Scaled along its own x, then turned a quarter: 200 units tall, 100 wide.
    EXPECT_EQ(Vector2(-40, -80), image->getBoundingBox().min);
    EXPECT_EQ(Vector2(60, 120), image->getBoundingBox().max);
    // A geometry update made through the world box must refresh the bound as well.
    entity->getNode()->setPosition(Vector2(500, 0));
    image->worldBox();
    EXPECT_EQ(Vector2(450, -100), image->getBoundingBox().min);
}

TEST_F(StaticImageTest, AlphaIsClampedAndColourTints) {
    addEntity("camera", {new Camera(Vector2(800, 600))});
    ParamList opaque = imageParams("Blue8.png");
    opaque.set("alpha", "1.5");
    ParamList invisible = imageParams("Red8.png");
    invisible.set("alpha", "-0.2");
    // A picture that failed to load shows its colour alone.
    ParamList tinted = imageParams("NoSuchImage.png");
    tinted.set("color", "(0,1,0)");
    auto opaqueImage = StaticImage::fromParams(opaque);
    EXPECT_EQ(1.0, opaqueImage->getColour().alpha);
    addEntity("opaque", {opaqueImage}, -200, 0);
    addEntity("invisible", {StaticImage::fromParams(invisible)}, 0, 0);
    addEntity("tinted", {StaticImage::fromParams(tinted)}, 200, 0);
    drawFrame();
    EXPECT_EQ((Rgba{0, 0, 255, 255}), worldPixel(-200, 0));
    EXPECT_EQ(black, worldPixel(0, 0));
    EXPECT_EQ(green, worldPixel(200, 0));
}

TEST_F(StaticImageTest, MissingRequiredParametersRaise) {
    ParamList list = imageParams("Red8.png");
    list.erase("filename");
    EXPECT_EQ("Error creating StaticImage: Could not find parameter 'filename'",
              thrownMessage([&] { delete StaticImage::fromParams(list); }));
    // The repeated image names no class in its message.
    EXPECT_EQ("Could not find parameter 'camera'", thrownMessage([&] {
                  delete RepeatedStaticImage::fromParams(
                      params({{"repeatX", "true"}, {"repeatY", "true"}}));
              }));
}

namespace {
class RepeatedStaticImageTest : public StaticImageTest {
protected:
    RepeatedStaticImage* background(bool repeatX, bool repeatY) {
        ParamList list = params({{"filename", dataFile("HalfTile16.png")},
                                 {"texCoord", "(0,0),(1,1)"},
                                 {"zOrder", "0"},
                                 {"center", "(0,0)"},
                                 {"dim", "(256,256)"},
                                 {"camera", "camera"},
                                 {"repeatX", repeatX ? "true" : "false"},
                                 {"repeatY", repeatY ? "true" : "false"}});
        return RepeatedStaticImage::fromParams(list);
    }
};
} // namespace

TEST_F(RepeatedStaticImageTest, CoversTheViewWithWholeTilesOnTheImagesOwnGrid) {
    Entity* camera = addEntity("camera", {new Camera(Vector2(800, 600))});
    RepeatedStaticImage* tiles = background(true, true);
    addEntity("background", {tiles}, 30, 10);
    drawFrame();
    // The picture spans (-98, -118)-(158, 138); its grid reaches left of -400 at -610 and below
    // -300 at -374.
    EXPECT_EQ(corners(-610, -374, -610 + 4 * 256, -374 + 3 * 256), tiles->getVertices());
    EXPECT_EQ(corners(0, 0, 4, 3), tiles->getTexCoords());
    EXPECT_TRUE(tiles->getTexture()->getRepeat());
    // Each tile is red on its left half, green on its right half.
    const double columns[] = {-300, -160, 0, 100, 220, 350};
    const Rgba expected[] = {red, green, red, green, red, green};
    for (double y : {-280.0, 0.0, 280.0})
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(expected[i], worldPixel(columns[i], y)) << columns[i] << ", " << y;
    EXPECT_NE(black, worldPixel(-399, -299));
    EXPECT_NE(black, worldPixel(399, 299));

    // The camera moves on, the tiles stay put in the world.
    camera->getNode()->setPosition(Vector2(100, 40));
    drawFrame();
    EXPECT_EQ(corners(-354, -374, -354 + 4 * 256, -374 + 3 * 256), tiles->getVertices());
    EXPECT_EQ(green, worldPixel(350, 300));
    EXPECT_EQ(red, worldPixel(0, 0));
}

// Repeating along x only keeps the image's own height and place, and its bound is the view, so
// it is never culled; without its camera it is a plain image.
TEST_F(RepeatedStaticImageTest, RepeatingAlongXOnlyOrWithoutItsCamera) {
    RepeatedStaticImage* plain = background(true, true);
    addEntity("plain", {plain}, 30, 10);
    plain->renderOperation();
    EXPECT_EQ(corners(-98, -118, 158, 138), plain->getVertices());

    addEntity("camera", {new Camera(Vector2(800, 600))});
    RepeatedStaticImage* strip = background(true, false);
    addEntity("background", {strip}, 30, 10);
    strip->renderOperation();
    EXPECT_EQ(corners(-610, -118, -610 + 4 * 256, 138), strip->getVertices());
    EXPECT_EQ(corners(0, 0, 4, 1), strip->getTexCoords());
    EXPECT_EQ(Vector2(-400, -300), strip->getBoundingBox().min);
}

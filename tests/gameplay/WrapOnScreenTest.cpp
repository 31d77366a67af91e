#include "gameplay/PlayingArea.h"
#include "gameplay/ScreenWrapper.h"
#include "physics/OrientedBox.h"
#include "presentation/Camera.h"
#include "presentation/StaticImage.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

namespace {

const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};

using WrapOnScreenTest = RenderFixture;

} // namespace

// The copy across the edge is what lets a ship sliding out on the right be seen coming in on the
// left before its centre crosses; one that was never wholly inside the area is not wrapped, so it
// shows no copy either.
TEST_F(WrapOnScreenTest, ShipStraddlingTheRightEdgeShowsOnTheLeftEdge) {
    addEntity("camera", {new Camera(Vector2(800, 600))});
    addEntity("Arena", {new PlayingArea(AxisAlignedBox(Vector2(-300, -200), Vector2(300, 200)))});
    auto* hull = new StaticImage(
        OrientedBox(AxisAlignedBox(Vector2(-20, -20), Vector2(20, 20)), Vector2(1, 0)), 1.0,
        AxisAlignedBox(Vector2(0, 0), Vector2(1, 1)), dataFile("Red8.png"));
    Entity* ship = addEntity("ship", {new ScreenWrapper("Arena"), hull}, 290, 40);
    step();
    drawFrame();
    EXPECT_EQ(red, worldPixel(285, 40));
    EXPECT_EQ(black, worldPixel(-295, 40));

    ship->getNode()->setPosition(Vector2(0, 40));
    step();
    ship->getNode()->setPosition(Vector2(290, 40));
    drawFrame();
    EXPECT_EQ(red, worldPixel(285, 40));
    // Shifted by the area's width: -330 to -290, the part from -300 inside the area.
    EXPECT_EQ(red, worldPixel(-295, 40));
    EXPECT_EQ(black, worldPixel(-285, 40));
    EXPECT_EQ(black, worldPixel(-295, 80));
}

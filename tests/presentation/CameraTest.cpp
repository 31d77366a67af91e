#include "presentation/Camera.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

using CameraTest = RenderFixture;

TEST_F(CameraTest, ScreenPixelsMapOntoTheViewWithRowsCountingDown) {
    // 160 x 120 pixels over 800 x 600 units, centred on (100, 50).
    Entity* entity = addEntity("camera", {new Camera(Vector2(800, 600))}, 100, 50);
    auto camera = entity->getComponent<Camera>(Camera::typeName());
    EXPECT_EQ(Vector2(-300, 350), camera->screenToWorld(0, 0));
    EXPECT_EQ(Vector2(500, -250), camera->screenToWorld(160, 120));
    entity->getNode()->setScale(Vector2(0.5, 0.5));
    EXPECT_EQ(Vector2(-100, 200), camera->screenToWorld(0, 0));
}

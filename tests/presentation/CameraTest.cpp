#include "presentation/Camera.h"
#include "core/myexception.h"
#include "presentation/FollowingCamera.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "support/SeamStandIns.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
void expectBox(const AxisAlignedBox& box, Vector2 min, Vector2 max) {
    EXPECT_DOUBLE_EQ(min.x, box.min.x);
    EXPECT_DOUBLE_EQ(min.y, box.min.y);
    EXPECT_DOUBLE_EQ(max.x, box.max.x);
    EXPECT_DOUBLE_EQ(max.y, box.max.y);
}

using CameraTest = RenderFixture;
} // namespace

TEST(Camera, ViewWithoutEntityIsTheStartUpProjection) {
    Camera camera(Vector2(800, 600));
    OrientedBox view = camera.getViewRect();
    expectBox(view.getLocalBox(), Vector2(-400, -300), Vector2(400, 300));
    EXPECT_EQ(Vector2(1, 0), view.getOrientation());
    EXPECT_EQ(Vector2(0, 0), camera.screenToWorld(10, 10));
}

TEST(Camera, ViewFollowsPositionAndScaleButNotRotation) {
    SceneNode* node = Entity::create("camera", {new Camera(Vector2(800, 600))});
    std::unique_ptr<SceneNode> owner(node);
    node->setPosition(Vector2(100, 50));
    node->setScale(Vector2(2, 1));
    node->setOrientation(Vector2(0, 1));
    auto camera = node->getEntity()->getComponent<Camera>(Camera::typeName());
    OrientedBox view = camera->getViewRect();
    expectBox(view.getLocalBox(), Vector2(-700, -250), Vector2(900, 350));
    EXPECT_EQ(Vector2(1, 0), view.getOrientation());
}

TEST(Camera, DimensionsAreRequired) {
    Camera prototype(Vector2(1, 1));
    ParamList list;
    EXPECT_EQ("Could not find parameter 'dimensions'",
              thrownMessage([&] { delete prototype.createNew(list); }));
    list.set("dimensions", "(320,200)");
    std::unique_ptr<Component> made(prototype.createNew(list));
    EXPECT_EQ(Vector2(320, 200), static_cast<Camera&>(*made).getDimensions());
}

TEST_F(CameraTest, ScreenPixelsMapOntoTheViewWithRowsCountingDown) {
    // 160 x 120 pixels over 800 x 600 units, centred on (100, 50).
    Entity* entity = addEntity("camera", {new Camera(Vector2(800, 600))}, 100, 50);
    auto camera = entity->getComponent<Camera>(Camera::typeName());
    EXPECT_EQ(Vector2(-300, 350), camera->screenToWorld(0, 0));
    EXPECT_EQ(Vector2(100, 50), camera->screenToWorld(80, 60));
    EXPECT_EQ(Vector2(500, -250), camera->screenToWorld(160, 120));
    // A scaled camera still answers the point under the pointer.
    entity->getNode()->setScale(Vector2(0.5, 0.5));
    EXPECT_EQ(Vector2(-100, 200), camera->screenToWorld(0, 0));
}

TEST_F(CameraTest, FollowingCameraRunsInItsSceneAndSticksToTheSeekersTarget) {
    auto seeker = new SeekerStandIn;
    auto camera = new FollowingCamera(Vector2(800, 600));
    addEntity("camera", {camera, seeker}, 5, 5);
    EXPECT_EQ(scene.get(), camera->getManager());
    EXPECT_EQ(camera, renderer->getMainCamera());

    step();
    EXPECT_EQ(Vector2(5, 5), camera->getNode()->getWorldPosition());
    Entity* ship = addEntity("ship", {}, 300, -20);
    seeker->target = ship;
    step();
    EXPECT_EQ(Vector2(300, -20), camera->getNode()->getWorldPosition());
    ship->getNode()->translate(Vector2(10, 10));
    step();
    EXPECT_EQ(Vector2(310, -10), camera->getNode()->getWorldPosition());

    std::unique_ptr<Component> copy(camera->clone());
    EXPECT_EQ(nullptr, static_cast<FollowingCamera&>(*copy).getManager());

    SceneNode* node = camera->getNode();
    scene->removeNode(node);
    std::unique_ptr<SceneNode> owner(node);
    step();
    EXPECT_EQ(nullptr, camera->getManager());
}

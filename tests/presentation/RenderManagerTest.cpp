#include "presentation/RenderManager.h"
#include "core/myexception.h"
#include "presentation/Camera.h"
#include "presentation/StaticImage.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "support/SeamStandIns.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {
const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};

// A renderable whose bound and drawn rectangle are set apart, to watch the culling alone.
class FramedRenderable : public Renderable {
public:
    FramedRenderable(const AxisAlignedBox& bound, const AxisAlignedBox& drawn, double z)
        : bound(bound), z(z) {
        vertices = {drawn.min.x, drawn.min.y, drawn.min.x, drawn.max.y,
                    drawn.max.x, drawn.max.y, drawn.max.x, drawn.min.y};
        op.indexCount = 4;
        op.indices = indices;
        op.vertexCount = 4;
        op.vertices = vertices.data();
        op.texCoords = texCoords.data();
        op.colour = Colour(0, 0, 1);
    }
    static const std::string& typeName() {
        static const std::string name = "FramedRenderable";
        return name;
    }
    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return nullptr; }
    Component* clone() const override { return nullptr; }
    RenderOp* renderOperation() override { return &op; }
    double zOrder() const override { return z; }
    const OrientedBox& worldBox() override { return box; }
    const OrientedBox& localBox() const override { return box; }
    const AxisAlignedBox& getBoundingBox() override { return bound; }
    void setZOrder(double value) { z = value; }

private:
    const std::uint8_t indices[4] = {0, 1, 2, 3};
    AxisAlignedBox bound;
    double z;
    std::array<double, 8> vertices{};
    std::array<double, 8> texCoords{};
    RenderOp op;
    OrientedBox box;
};

class RenderManagerTest : public RenderFixture {
protected:
    StaticImage* image(const std::string& file, double z, double half = 100.0) {
        return new StaticImage(
            OrientedBox(AxisAlignedBox(Vector2(-half, -half), Vector2(half, half)), Vector2(1, 0)),
            z, AxisAlignedBox(Vector2(0, 0), Vector2(1, 1)), dataFile(file));
    }
    void addCamera(const std::string& name = "camera") {
        addEntity(name, {new Camera(Vector2(800, 600))});
    }
};
} // namespace

TEST_F(RenderManagerTest, HigherZOrderIsOnTopWhateverTheArrivalOrderAndEqualOnesByAddress) {
    addCamera();
    addEntity("high", {image("Red8.png", 2.0)}, -150, 0);
    addEntity("low", {image("Green8.png", 1.0)}, -150, 0);
    addEntity("low2", {image("Green8.png", 1.0)}, 150, 0);
    addEntity("high2", {image("Red8.png", 2.0)}, 150, 0);
    StaticImage* first = image("Red8.png", 3.0);
    StaticImage* second = image("Blue8.png", 3.0);
    addEntity("one", {first}, 0, 250);
    addEntity("two", {second}, 0, 250);
    drawFrame();
    EXPECT_EQ(red, worldPixel(-150, 0));
    EXPECT_EQ(red, worldPixel(150, 0));
    EXPECT_EQ(black, worldPixel(-150, 250));
    StaticImage* later = std::less<StaticImage*>()(first, second) ? second : first;
    EXPECT_EQ(later == first ? red : blue, worldPixel(0, 250));
}

TEST_F(RenderManagerTest, ZOrderChangedLaterKeepsTheDrawingPlaceAndTheEntryRemovable) {
    addCamera();
    const AxisAlignedBox square(Vector2(-50, -50), Vector2(50, 50));
    auto plain = new FramedRenderable(square, square, 2.0);
    Entity* entity = addEntity("plain", {plain});
    addEntity("picture", {image("Red8.png", 1.0)});
    for (double z : {0.0, 5.0, -3.0, 7.0})
        plain->setZOrder(z);
    drawFrame();
    // The untextured record draws its plain colour after the textured one.
    EXPECT_EQ(blue, worldPixel(0, 0));
    EXPECT_EQ(red, worldPixel(80, 0));
    ASSERT_TRUE(entity->removeComponent(plain));
    delete plain;
    EXPECT_EQ(1u, renderer->renderableCount());
    drawFrame();
    EXPECT_EQ(red, worldPixel(0, 0));
}

TEST_F(RenderManagerTest, BoundTouchingTheViewEdgeIsCulled) {
    addCamera();
    const AxisAlignedBox wholeView(Vector2(-400, -300), Vector2(400, 300));
    auto touching =
        new FramedRenderable(AxisAlignedBox(Vector2(400, -10), Vector2(500, 10)), wholeView, 1.0);
    addEntity("touching", {touching});
    drawFrame();
    EXPECT_EQ(black, worldPixel(0, 0));

    auto overlapping =
        new FramedRenderable(AxisAlignedBox(Vector2(399.5, -10), Vector2(500, 10)), wholeView, 1.0);
    addEntity("overlapping", {overlapping});
    drawFrame();
    EXPECT_EQ(blue, worldPixel(0, 0));
}

TEST_F(RenderManagerTest, CameraFollowsItsEntityAndScale) {
    addEntity("image", {image("Red8.png", 1.0, 50)}, 1000, 1000);
    Entity* camera = addEntity("camera", {new Camera(Vector2(400, 300))}, 1000, 1000);
    drawFrame();
    // 400 x 300 units on 160 x 120 pixels: the 100-unit image covers 40 pixels around the centre.
    EXPECT_EQ(red, readPixel(80, 60));
    EXPECT_EQ(red, readPixel(62, 60));
    EXPECT_EQ(black, readPixel(58, 60));
    camera->getNode()->setScale(Vector2(2, 2));
    drawFrame();
    EXPECT_EQ(red, readPixel(72, 60));
    EXPECT_EQ(black, readPixel(68, 60));
}

TEST_F(RenderManagerTest, SecondCameraOfOneNameIsIgnoredAndLogged) {
    addCamera("twin");
    Entity* first = scene->findEntity("twin");
    addEntity("twin", {new Camera(Vector2(80, 60))});
    EXPECT_EQ(first->getComponent(Camera::typeName()), renderer->getMainCamera());
    EXPECT_NE(
        std::string::npos,
        readWholeFile("VideoSystemLog.txt").find("Duplicate camera name 'twin' in RenderManager."));
}

TEST_F(RenderManagerTest, RemovedMainCameraLeavesTheSceneUnrenderedUntilANewOneComes) {
    addCamera("main");
    Entity* picture = addEntity("image", {image("Red8.png", 1.0)});
    Entity* cameraEntity = scene->findEntity("main");
    Component* camera = cameraEntity->getComponent(Camera::typeName());
    ASSERT_TRUE(cameraEntity->removeComponent(camera));
    delete camera;
    EXPECT_EQ(nullptr, renderer->getMainCamera());
    drawFrame();
    EXPECT_EQ(black, readPixel(80, 60));
    EXPECT_NE(
        std::string::npos,
        readWholeFile("VideoSystemLog.txt").find("Error: No main camera, unable to render scene."));

    addCamera("replacement");
    drawFrame();
    EXPECT_EQ(red, worldPixel(0, 0));

    // A deleted renderable and a killed camera entity leave the manager as well.
    delete picture->getComponent(StaticImage::typeName());
    EXPECT_EQ(0u, renderer->renderableCount());
    scene->findEntity("replacement")->kill();
    step();
    EXPECT_EQ(nullptr, renderer->getMainCamera());
}

TEST_F(RenderManagerTest, EntityInWrappingAreaGetsShiftedCopiesOnEveryDiagonal) {
    addCamera();
    // Left and lower half: copies go right by the width and up by the height. The wrapper sits
    // on the parent entity and still applies.
    auto wrapper = new WrapperStandIn;
    wrapper->area = AxisAlignedBox(Vector2(-300, -200), Vector2(300, 200));
    Entity* ship = addEntity("ship", {wrapper}, -280, -180);
    SceneNode* child = Entity::create("hull", {image("Red8.png", 1.0, 10)});
    ship->getNode()->addChild(child);
    // An inactive wrapper (no area, or the entity not wholly inside) draws no copies.
    drawFrame();
    EXPECT_EQ(black, worldPixel(320, -180));
    EXPECT_EQ(red, worldPixel(-280, -180));

    wrapper->active = true;
    drawFrame();
    EXPECT_EQ(red, worldPixel(-280, -180));
    EXPECT_EQ(red, worldPixel(320, -180));
    EXPECT_EQ(red, worldPixel(-280, 220));
    EXPECT_EQ(red, worldPixel(320, 220));
    EXPECT_EQ(black, worldPixel(-280, -160 + 400));

    // Right and upper half: copies go the other way.
    ship->getNode()->setPosition(Vector2(280, 180));
    drawFrame();
    EXPECT_EQ(red, worldPixel(-320, 180));
    EXPECT_EQ(red, worldPixel(280, -220));
    EXPECT_EQ(red, worldPixel(-320, -220));
    EXPECT_EQ(black, worldPixel(320, 220));
}

TEST(RenderManager, RenderingWithoutVideoManagerRaises) {
    SceneManager scene;
    RenderManager renderer;
    renderer.connect(&scene);
    SceneNode* node = Entity::create("camera", {new Camera(Vector2(800, 600))});
    scene.addNode(node);
    EXPECT_EQ("No video manager to render on.", thrownMessage([&] { renderer.render(); }));
}

TEST(RenderManager, SceneDestroyedFirstLeavesTheManagerEmptyAndSafe) {
    auto scene = std::make_unique<SceneManager>();
    auto renderer = std::make_unique<RenderManager>();
    renderer->connect(scene.get());
    scene->addProcess(renderer.get());
    scene->addNode(Entity::create("camera", {new Camera(Vector2(800, 600))}));
    ASSERT_NE(nullptr, renderer->getMainCamera());
    scene.reset();
    EXPECT_EQ(nullptr, renderer->getMainCamera());
    EXPECT_EQ(nullptr, renderer->getManager());
    renderer.reset();
}

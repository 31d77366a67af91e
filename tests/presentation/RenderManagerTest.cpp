#include "presentation/RenderManager.h"
#include "presentation/Camera.h"
#include "presentation/StaticImage.h"
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
const Rgba blue{0, 0, 255, 255};

// A blue rectangle whose bound and drawn rectangle are set apart, to watch the culling alone.
class FramedRenderable : public Renderable {
public:
    FramedRenderable(const AxisAlignedBox& drawn, double z)
        : bound(drawn), z(z), vertices{drawn.min.x, drawn.min.y, drawn.min.x, drawn.max.y,
                                       drawn.max.x, drawn.max.y, drawn.max.x, drawn.min.y} {
        op.indexCount = op.vertexCount = 4;
        op.indices = indices;
        op.vertices = vertices.data();
        op.texCoords = texCoords.data();
        op.colour = Colour(0, 0, 1);
    }
    const std::string& getType() const override { return roleName(); }
    Component* createNew(const ParamList&) const override { return nullptr; }
    Component* clone() const override { return nullptr; }
    RenderOp* renderOperation() override { return &op; }
    double zOrder() const override { return z; }
    const OrientedBox& worldBox() override { return box; }
    const OrientedBox& localBox() const override { return box; }
    const AxisAlignedBox& getBoundingBox() override { return bound; }

    AxisAlignedBox bound;
    double z;
    const std::uint8_t indices[4] = {0, 1, 2, 3};
    std::array<double, 8> vertices, texCoords{};
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
    bool logged(const std::string& line) {
        return readTextFile("VideoSystemLog.txt").find(line) != std::string::npos;
    }
};
} // namespace

TEST_F(RenderManagerTest, HigherZOrderIsOnTopWhateverTheArrivalOrder) {
    addCamera();
    addEntity("high", {image("Red8.png", 2.0)}, -150, 0);
    addEntity("low", {image("Green8.png", 1.0)}, -150, 0);
    addEntity("low2", {image("Green8.png", 1.0)}, 150, 0);
    addEntity("high2", {image("Red8.png", 2.0)}, 150, 0);
    drawFrame();
    EXPECT_EQ(red, worldPixel(-150, 0));
    EXPECT_EQ(red, worldPixel(150, 0));
}

TEST_F(RenderManagerTest, ZOrderChangedLaterKeepsTheDrawingPlaceAndBoundTouchingTheViewIsCulled) {
    addCamera();
    const AxisAlignedBox wholeView(Vector2(-400, -300), Vector2(400, 300));
    auto plain = new FramedRenderable(wholeView, 2.0);
    Entity* entity = addEntity("plain", {plain});
    addEntity("picture", {image("Red8.png", 1.0)});
    plain->z = -3.0;
    drawFrame();
    EXPECT_EQ(blue, worldPixel(0, 0));
    plain->bound = AxisAlignedBox(Vector2(400, -10), Vector2(500, 10));
    drawFrame();
    EXPECT_EQ(red, worldPixel(0, 0));
    plain->bound.min.x = 399.5;
    drawFrame();
    EXPECT_EQ(blue, worldPixel(0, 0));
    ASSERT_TRUE(entity->removeComponent(plain));
    delete plain;
    EXPECT_EQ(1u, renderer->renderableCount());
}

TEST_F(RenderManagerTest, MainCameraIsTheFirstOfItsNameAndWithoutOneNothingIsRendered) {
    auto* camera = new Camera(Vector2(800, 600));
    addEntity("main", {camera});
    addEntity("main", {new Camera(Vector2(80, 60))}); // would show the image in every pixel
    EXPECT_TRUE(logged("Duplicate camera name 'main' in RenderManager."));
    addEntity("image", {image("Red8.png", 1.0)});
    drawFrame();
    EXPECT_EQ(black, readPixel(0, 0));
    EXPECT_EQ(red, readPixel(80, 60));
    delete camera;
    drawFrame();
    EXPECT_EQ(black, readPixel(80, 60));
    EXPECT_TRUE(logged("Error: No main camera, unable to render scene."));
}

TEST_F(RenderManagerTest, EntityInWrappingAreaGetsShiftedCopiesOnEveryDiagonal) {
    addCamera();
    // The wrapper sits on the parent entity and still applies to the child's picture.
    auto wrapper = new WrapperStandIn;
    wrapper->area = AxisAlignedBox(Vector2(-300, -200), Vector2(300, 200));
    Entity* ship = addEntity("ship", {wrapper}, -280, -180);
    ship->getNode()->addChild(Entity::create("hull", {image("Red8.png", 1.0, 10)}));
    drawFrame();
    EXPECT_EQ(black, worldPixel(320, -180)); // inactive: no copies
    wrapper->active = true;
    // Left and low: copies go right by the width and up by the height; right and high: back.
    const struct {
        Vector2 at, right, up, diagonal, notCopied;
    } cases[] = {{{-280, -180}, {320, -180}, {-280, 220}, {320, 220}, {-280, 240}},
                 {{280, 180}, {-320, 180}, {280, -220}, {-320, -220}, {320, 220}}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.at.x);
        ship->getNode()->setPosition(entry.at);
        drawFrame();
        for (const Vector2& copy : {entry.at, entry.right, entry.up, entry.diagonal})
            EXPECT_EQ(red, worldPixel(copy.x, copy.y)) << copy.x << "," << copy.y;
        EXPECT_EQ(black, worldPixel(entry.notCopied.x, entry.notCopied.y));
    }
}

TEST(RenderManager, SceneDestroyedFirstLeavesTheManagerEmptyAndSafe) {
    auto scene = std::make_unique<SceneManager>();
    RenderManager renderer;
    renderer.connect(scene.get());
    scene->addProcess(&renderer);
    scene->addNode(Entity::create("camera", {new Camera(Vector2(800, 600))}));
    scene.reset();
    EXPECT_EQ(nullptr, renderer.getMainCamera());
    EXPECT_EQ(nullptr, renderer.getManager());
}

// An opaque repeating backdrop is drawn without blending and untinted pictures are copied, not
// multiplied; neither shortcut may leak to the draws after it.
TEST_F(RenderManagerTest, BackdropShortcutsLeaveTintAndTranslucencyOfLaterDrawsIntact) {
    addCamera();
    StaticImage* backdrop = image("Green8.png", 0.0, 400.0);
    backdrop->getTexture()->setRepeat(true);
    addEntity("backdrop", {backdrop});
    StaticImage* tinted = image("Yellow8.png", 1.0, 40.0);
    tinted->setColour(Colour(1, 0, 0));
    addEntity("tinted", {tinted}, -200, 0);
    auto* untextured = new FramedRenderable(AxisAlignedBox(Vector2(-40, -40), Vector2(40, 40)), 2);
    untextured->op.colour.alpha = 0.5;
    addEntity("untextured", {untextured}, 0, 0);
    StaticImage* fading = image("Red8.png", 3.0, 40.0);
    fading->getTexture()->setRepeat(true);
    fading->setColour(Colour(1, 1, 1, 0.5));
    addEntity("fading", {fading}, 200, 0);
    drawFrame();
    const struct {
        double x;
        Rgba expected;
    } cases[] = {{-300, {0, 255, 0, 255}},
                 {-200, {255, 0, 0, 255}},
                 {0, {0, 128, 127, 255}},
                 {200, {128, 127, 0, 255}}};
    for (const auto& entry : cases) {
        Rgba seen = worldPixel(entry.x, 0);
        EXPECT_NEAR(entry.expected.r, seen.r, 2) << entry.x;
        EXPECT_NEAR(entry.expected.g, seen.g, 2) << entry.x;
        EXPECT_NEAR(entry.expected.b, seen.b, 2) << entry.x;
    }
}

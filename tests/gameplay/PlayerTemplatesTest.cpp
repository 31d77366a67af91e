// The player's ship, flame and ping as the game's data files make them: the real
// data/templates/PlayerTemplates.xml with its pictures, in a real window.
#include "gameplay/PlayerPing.h"
#include "gameplay/PlayerPingCreator.h"
#include "gameplay/PlayerScrollingAnimationController.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerStaticAnimationController.h"
#include "gameplay/PlayerStaticMapController.h"
#include "physics/Movable.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "presentation/Animatable.h"
#include "presentation/AnimateAndDie.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/Camera.h"
#include "presentation/RenderManager.h"
#include "presentation/StripSequence.h"
#include "presentation/VideoManager.h"
#include "support/GlContext.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/PlayerAction.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

const char* const playerFile = "./data/templates/PlayerTemplates.xml";

class PlayerTemplates : public GlContextTest {
protected:
    void SetUp() override {
        GlContextTest::SetUp();
        textures();
        // The game's data directory seen from a scratch working directory, so that "./data/"
        // resolves as in the game while the logs stay out of the source tree.
        fs::create_directory_symlink(fs::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());

        factory = std::make_unique<ComponentFactory>();
        registerComponents();
        xmlFiles = std::make_unique<XmlFileManager>();
        entityTemplates = std::make_unique<EntityTemplateManager>();
        sceneTemplates = std::make_unique<SceneTemplateManager>();
        sequences = std::make_unique<AnimationSequenceManager>();
        sequences->registerSequenceType("StripSequence", StripSequence());
        XmlFilePtr file = xmlFiles->getFile(playerFile);
        file->load();
        ASSERT_FALSE(file->loadFailed());

        scene = std::make_unique<SceneManager>();
        physics.connect(scene.get());
        scene->addProcess(&physics);
        SceneNode* cameraNode = Entity::create("MainCamera", {new Camera(Vector2(800, 600))});
        scene->addNode(cameraNode);
    }

    void TearDown() override {
        physics.disconnect(scene.get());
        scene.reset();
        sequences.reset();
        sceneTemplates.reset();
        entityTemplates.reset();
        xmlFiles.reset();
        factory.reset();
        inScratch.reset();
        GlContextTest::TearDown();
    }

    void registerComponents() {
        factory->registerType(Movable());
        factory->registerType(Animatable(0.0));
        factory->registerType(AnimateAndDie());
        factory->registerType(Camera(Vector2(1, 1)));
        factory->registerType(StaticCollidable());
        factory->registerType(PlayerAction());
        factory->registerType(PlayerPing());
        factory->registerType(PlayerPingCreator("", ""));
        factory->registerType(PlayerStaticMapController(1, 1, 1, 1));
        factory->registerType(PlayerScrollingMapController(1, 1, 1, 1));
        factory->registerType(PlayerStaticAnimationController());
        factory->registerType(PlayerScrollingAnimationController());
    }

    Entity* placeShip(const std::string& sceneTemplate) {
        SceneTemplatePtr ship = sceneTemplates->getTemplate(sceneTemplate, playerFile);
        ship->load();
        EXPECT_FALSE(ship->loadFailed());
        ship->instantiateInScene(scene.get(), Vector2(0, 0), Vector2(1, 0), Vector2(1, 1));
        return scene->findEntity("Player");
    }

    static Entity* flameOf(Entity* ship) {
        const std::vector<SceneNode*>& children = ship->getNode()->getChildren();
        return children.empty() ? nullptr : children.front()->getEntity();
    }
    static std::string animationOf(Entity* entity) {
        Animatable* animatable = entity->getComponent<Animatable>(Animatable::typeName());
        return animatable ? animatable->getCurrentName() : "<no Animatable>";
    }
    static void act(Entity* ship, PlayerActionType action, bool active, int x = 0, int y = 0) {
        ship->sendEvent(EventPtr(new PlayerActionEvent(action, active, x, y, 0.0)));
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<ComponentFactory> factory;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::unique_ptr<SceneManager> scene;
    PhysicsManager physics;
};

TEST_F(PlayerTemplates, StaticShipHasItsPartsAndShowsTheFlameWhileThrusting) {
    Entity* ship = placeShip("PlayerStatic");
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(animationOf(ship), "Idle");

    Entity* flame = flameOf(ship);
    ASSERT_NE(flame, nullptr);
    ASSERT_NE(flame->getComponent(PlayerStaticAnimationController::typeName()), nullptr);
    EXPECT_EQ(animationOf(flame), "None");

    act(ship, PlayerActionType::Thrust, true);
    EXPECT_EQ(animationOf(flame), "Flame");
    scene->updateProcess(0.016);
    EXPECT_GT(ship->getComponent<Movable>(Movable::typeName())->getVelocity().x, 0.0);

    act(ship, PlayerActionType::Thrust, false);
    EXPECT_EQ(animationOf(flame), "None");
    // Braking cancels a thrust, and with it the flame.
    act(ship, PlayerActionType::Thrust, true);
    act(ship, PlayerActionType::Brake, true);
    EXPECT_EQ(animationOf(flame), "None");
}

TEST_F(PlayerTemplates, ScrollingShipBurnsUntilItBrakes) {
    Entity* ship = placeShip("PlayerScrolling");
    ASSERT_NE(ship, nullptr);
    ASSERT_NE(ship->getComponent(PlayerScrollingMapController::typeName()), nullptr);
    Entity* flame = flameOf(ship);
    ASSERT_NE(flame, nullptr);
    EXPECT_EQ(animationOf(flame), "Flame");

    act(ship, PlayerActionType::Brake, true);
    EXPECT_EQ(animationOf(flame), "None");
    act(ship, PlayerActionType::Brake, false);
    EXPECT_EQ(animationOf(flame), "Flame");
}

TEST_F(PlayerTemplates, SecondPingReplacesTheFirst) {
    Entity* ship = placeShip("PlayerStatic");
    ASSERT_NE(ship, nullptr);
    PlayerPingCreator* creator =
        ship->getComponent<PlayerPingCreator>(PlayerPingCreator::typeName());
    ASSERT_NE(creator, nullptr);

    // The window is 160 x 120 pixels over 800 x 600 units: pixel (80, 60) is the origin.
    act(ship, PlayerActionType::Ping, true, 100, 40);
    std::string first = creator->getLastPingName();
    Entity* firstPing = scene->findEntity(first);
    ASSERT_NE(firstPing, nullptr);
    EXPECT_NEAR(firstPing->getNode()->getWorldPosition().x, 100.0, 1e-9);
    EXPECT_NEAR(firstPing->getNode()->getWorldPosition().y, 100.0, 1e-9);
    EXPECT_TRUE(PlayerPing::isPing(firstPing));
    act(ship, PlayerActionType::Ping, false, 100, 40);

    act(ship, PlayerActionType::Ping, true, 80, 60);
    std::string second = creator->getLastPingName();
    EXPECT_NE(second, first);
    scene->updateProcess(0.016);
    EXPECT_EQ(scene->findEntity(first), nullptr);
    ASSERT_NE(scene->findEntity(second), nullptr);
}

TEST_F(PlayerTemplates, EnlargedPingsReturnToTheirSizeWhenTheTimeIsUpOrTheSceneEnds) {
    Entity* ship = placeShip("PlayerStatic");
    ASSERT_NE(ship, nullptr);
    PlayerPingCreator* creator =
        ship->getComponent<PlayerPingCreator>(PlayerPingCreator::typeName());
    creator->enlargePing(Vector2(2, 3), 0.05);
    act(ship, PlayerActionType::Ping, true, 80, 60);
    Entity* ping = scene->findEntity(creator->getLastPingName());
    ASSERT_NE(ping, nullptr);
    EXPECT_EQ(ping->getNode()->getScale().x, 2.0);
    EXPECT_EQ(ping->getNode()->getScale().y, 3.0);

    // A second enlargement scales the size from before the first, and restarts the time.
    scene->updateProcess(0.016);
    creator->enlargePing(Vector2(4, 4), 0.05);
    EXPECT_EQ(creator->getPingScale().x, 4.0);
    scene->updateProcess(0.016);
    scene->updateProcess(0.016);
    scene->updateProcess(0.016);
    EXPECT_TRUE(creator->isEnlarged());
    scene->updateProcess(0.016);
    EXPECT_FALSE(creator->isEnlarged());
    EXPECT_EQ(creator->getPingScale().x, 1.0);
    EXPECT_EQ(creator->getPingScale().y, 1.0);

    // A broken power-up duration gives nothing instead of an exception.
    creator->enlargePing(Vector2(2, 2), -1.0);
    EXPECT_FALSE(creator->isEnlarged());

    // The timer goes with the scene; the creator must not keep pointing at it.
    creator->enlargePing(Vector2(2, 2), 10.0);
    scene->removeNode(ship->getNode());
    EXPECT_FALSE(creator->isEnlarged());
    EXPECT_EQ(creator->getPingScale().x, 1.0);
    delete ship->getNode();
}

// Catches a picture strip read upside down (the flame's bands instead of the hull) and a flame
// that does not sit at the nozzles.
TEST_F(PlayerTemplates, ShipPictureShowsTheHullAndTheFlameBehindIt) {
    Entity* ship = placeShip("PlayerStatic");
    ASSERT_NE(ship, nullptr);
    // A close-up: the 160 x 120 window shows 80 x 60 units, two pixels per unit, centred on the
    // ship, whose 56-unit frame then spans 112 pixels.
    scene->findEntity("MainCamera")
        ->getComponent<Camera>(Camera::typeName())
        ->setDimensions(Vector2(80, 60));
    RenderManager renderer;
    renderer.connect(scene.get());
    auto draw = [&] {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        renderer.render();
    };
    // Canopy, ahead of the centre on the nose axis; upper nozzle's flame, behind the centre.
    const int canopyX = 80 + 2 * 13, canopyY = 60 - 1;
    const int flameX = 80 - 2 * 17, flameY = 60 + 2 * 2;

    draw();
    Rgba canopy = readPixel(canopyX, canopyY);
    EXPECT_GT(canopy.b, canopy.r + 60) << canopy;
    EXPECT_EQ(readPixel(flameX, flameY), (Rgba{0, 0, 0, 255}));

    act(ship, PlayerActionType::Thrust, true);
    draw();
    Rgba flame = readPixel(flameX, flameY);
    EXPECT_GT(flame.r, 150) << flame;
    EXPECT_GT(flame.r, flame.b + 80) << flame;
    renderer.disconnect(scene.get());
}

} // namespace

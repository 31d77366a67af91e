// The player's ship, flame and ping as the real data/templates/PlayerTemplates.xml makes them.
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
#include "presentation/StripSequence.h"
#include "support/GlContext.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/PlayerAction.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

const char* const playerFile = "./data/templates/PlayerTemplates.xml";

// The managers the game makes for its data; they go in the reverse order.
struct Managers {
    Managers() {
        registerTypes(factory, Movable(), Animatable(0.0), AnimateAndDie(), Camera(Vector2(1, 1)),
                      StaticCollidable(), PlayerAction(), PlayerPing(), PlayerPingCreator("", ""),
                      PlayerStaticMapController(1, 1, 1, 1),
                      PlayerScrollingMapController(1, 1, 1, 1), PlayerStaticAnimationController(),
                      PlayerScrollingAnimationController());
        sequences.registerSequenceType("StripSequence", StripSequence());
        physics.connect(&scene);
        scene.addProcess(&physics);
        scene.addNode(Entity::create("MainCamera", {new Camera(Vector2(800, 600))}));
    }
    ~Managers() { physics.disconnect(&scene); }
    ComponentFactory factory;
    XmlFileManager xmlFiles;
    EntityTemplateManager entityTemplates;
    SceneTemplateManager sceneTemplates;
    AnimationSequenceManager sequences;
    PhysicsManager physics;
    SceneManager scene;
};

class PlayerTemplates : public GlContextTest {
protected:
    void SetUp() override {
        GlContextTest::SetUp();
        textures();
        // "./data/" resolves as in the game while the logs stay out of the source tree.
        std::filesystem::create_directory_symlink(
            std::filesystem::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        game = std::make_unique<Managers>();
        scene = &game->scene;
    }
    void TearDown() override {
        game.reset();
        inScratch.reset();
        GlContextTest::TearDown();
    }

    // Places the scene template and answers its "Player" and, if any, the flame under it.
    Entity* placeShip(const std::string& sceneTemplate) {
        SceneTemplatePtr ship = game->sceneTemplates.getTemplate(sceneTemplate, playerFile);
        ship->load();
        EXPECT_FALSE(ship->loadFailed());
        ship->instantiateInScene(scene, Vector2(0, 0), Vector2(1, 0), Vector2(1, 1));
        Entity* player = scene->findEntity("Player");
        if (player && !player->getNode()->getChildren().empty())
            flame = player->getNode()->getChildren().front()->getEntity();
        return player;
    }
    static std::string animationOf(Entity* entity) {
        return entity->getComponent<Animatable>(Animatable::typeName())->getCurrentName();
    }
    static void act(Entity* ship, PlayerActionType action, bool active, int x = 0, int y = 0) {
        ship->sendEvent(EventPtr(new PlayerActionEvent(action, active, x, y, 0.0)));
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<Managers> game;
    SceneManager* scene = nullptr;
    Entity* flame = nullptr;
};

// Which animation the flame shows; the pictures themselves are the art's to change.
TEST_F(PlayerTemplates, StaticShipShowsTheFlameWhileThrustingAndScrollingShipUntilBraking) {
    Entity* ship = placeShip("PlayerStatic");
    ASSERT_NE(flame, nullptr);
    EXPECT_EQ(animationOf(flame), "None");
    act(ship, PlayerActionType::Thrust, true);
    EXPECT_EQ(animationOf(flame), "Flame");
    act(ship, PlayerActionType::Brake, true); // braking cancels the thrust, and the flame
    EXPECT_EQ(animationOf(flame), "None");

    scene->removeNode(ship->getNode());
    delete ship->getNode();
    ship = placeShip("PlayerScrolling"); // burns until it brakes
    EXPECT_EQ(animationOf(flame), "Flame");
    act(ship, PlayerActionType::Brake, true);
    EXPECT_EQ(animationOf(flame), "None");
}

TEST_F(PlayerTemplates, EnlargedPingsReturnToTheirSizeWhenTheTimeIsUpOrTheSceneEnds) {
    Entity* ship = placeShip("PlayerStatic");
    auto* creator = ship->getComponent<PlayerPingCreator>(PlayerPingCreator::typeName());
    creator->enlargePing(Vector2(2, 3), 0.03);
    act(ship, PlayerActionType::Ping, true, 80, 60);
    Entity* ping = scene->findEntity(creator->getLastPingName());
    ASSERT_TRUE(ping && PlayerPing::isPing(ping));
    EXPECT_EQ(ping->getNode()->getScale(), Vector2(2, 3));
    scene->updateProcess(0.016);
    scene->updateProcess(0.016);
    EXPECT_EQ(creator->getPingScale(), Vector2(1, 1));
    creator->enlargePing(Vector2(2, 2), -1.0); // a broken duration gives nothing, no exception
    EXPECT_FALSE(creator->isEnlarged());
    // The timer goes with the scene; the creator must not keep pointing at it.
    creator->enlargePing(Vector2(2, 2), 10.0);
    std::unique_ptr<SceneNode> node(ship->getNode());
    scene->removeNode(node.get());
    EXPECT_FALSE(creator->isEnlarged());
}

} // namespace

#include "gameplay/PlayerScrollingAnimationController.h"
#include "gameplay/PlayerStaticAnimationController.h"

#include "core/LogManager.h"
#include "presentation/Animatable.h"
#include "support/ScratchDirectory.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

namespace {

// A ship whose flame's Animatable has no animations, as when a data file forgets them.
class Flame : public ::testing::Test {
protected:
    void start(Component* controller) {
        shipNode = Entity::create("Ship");
        shipNode->addChild(Entity::create("Flame", {new Animatable(10.0), controller}));
        scene.addNode(shipNode);
    }
    void act(PlayerActionType action, bool active) {
        shipNode->getEntity()->sendEvent(EventPtr(new PlayerActionEvent(action, active)));
    }
    SceneManager scene;
    SceneNode* shipNode = nullptr;
};

TEST_F(Flame, MissingAnimationsAreLoggedNotThrown) {
    ScratchDirectory scratch;
    ScopedWorkingDirectory inScratch(scratch.path());
    {
        LogManager logs;
        logs.openLog("VantorixLog.txt", 0, false, true);
        EXPECT_NO_THROW(start(new PlayerScrollingAnimationController()));
        EXPECT_NO_THROW(act(PlayerActionType::Brake, true));
        EXPECT_NO_THROW(act(PlayerActionType::Brake, false));
        scene.removeNode(shipNode);
        delete shipNode;
    }
    // Once on arrival, once when the brake is let go.
    std::string log = readTextFile(scratch.file("VantorixLog.txt"));
    const std::string message = "Error: PlayerScrollingAnimationController of entity Flame cannot "
                                "set animation Flame: Animation not found.";
    std::size_t first = log.find(message);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(message, first + 1), std::string::npos) << log;
}

TEST_F(Flame, ShipDeletedFromUnderTheFlameIsLetGo) {
    start(new PlayerStaticAnimationController());
    scene.removeEntity(shipNode->getEntity());
    scene.updateProcess(0.016);
    // The flame still hangs in the scene; leaving it must not touch the deleted ship.
    ASSERT_TRUE(scene.removeNode(shipNode));
    delete shipNode;
}

} // namespace

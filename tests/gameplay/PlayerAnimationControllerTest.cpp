#include "gameplay/PlayerScrollingAnimationController.h"
#include "gameplay/PlayerStaticAnimationController.h"

#include "core/LogManager.h"
#include "presentation/Animatable.h"
#include "presentation/AnimationActionEvent.h"
#include "support/RecordingListener.h"
#include "support/ScratchDirectory.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A ship with the flame on a child node. The flame's Animatable has no animations at all, as
// when a data file forgets them; what the controller asks for is recorded on the flame entity.
class Flame : public ::testing::Test {
protected:
    void start(Component* controller) {
        shipNode = Entity::create("Ship");
        flameNode = Entity::create("Flame", {new Animatable(10.0), controller});
        shipNode->addChild(flameNode);
        flameNode->getEntity()->addListener(&requests);
        scene.addNode(shipNode);
    }
    void act(PlayerActionType action, bool active) {
        shipNode->getEntity()->sendEvent(EventPtr(new PlayerActionEvent(action, active)));
    }
    std::string lastRequest() const {
        if (requests.heard.empty())
            return "<none>";
        return boost::static_pointer_cast<AnimationActionEvent>(requests.heard.back())
            ->getAnimationName();
    }

    RecordingListener requests{EventType::AnimationAction};
    SceneManager scene;
    SceneNode* shipNode = nullptr;
    SceneNode* flameNode = nullptr;
};

TEST_F(Flame, StaticFlameHearsTheShipOnlyWhileInAScene) {
    start(new PlayerStaticAnimationController());
    act(PlayerActionType::Thrust, true);
    EXPECT_EQ(requests.heard.size(), 1u);
    EXPECT_EQ(lastRequest(), "Flame");
    act(PlayerActionType::Brake, true);
    EXPECT_EQ(requests.heard.size(), 1u);

    ASSERT_TRUE(scene.removeNode(shipNode));
    std::unique_ptr<SceneNode> owned(shipNode);
    act(PlayerActionType::Thrust, true);
    EXPECT_EQ(requests.heard.size(), 1u);
}

TEST_F(Flame, ScrollingFlameGoesOutOnlyWhileBraking) {
    start(new PlayerScrollingAnimationController());
    act(PlayerActionType::Thrust, true);
    EXPECT_TRUE(requests.heard.empty());
    act(PlayerActionType::Brake, true);
    EXPECT_EQ(lastRequest(), "None");
}

TEST_F(Flame, MissingAnimationsAreLoggedNotThrown) {
    ScratchDirectory scratch;
    ScopedWorkingDirectory inScratch(scratch.path());
    {
        LogManager logs;
        logs.openLog("VantorixLog.txt", 0, false, true);
        // Lighting the scrolling flame on arrival finds no "Flame" animation.
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

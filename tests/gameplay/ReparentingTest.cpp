#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerStaticMapController.h"
#include "presentation/FollowingCamera.h"
#include "support/SeamStandIns.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A component whose process follows its entity's scene must keep running when its node is moved
// under another parent of the same scene: the node leaves and re-enters within one tick.
struct ReparentCase {
    const char* name;
    std::function<std::vector<Component*>()> components;
    // Checks that the process still does its work, a tick after the move: a process whose
    // removal is pending still runs in that tick.
    std::function<void(ShipScene&)> stillRuns;
};

const ReparentCase cases[] = {
    {"FollowingCamera",
     [] {
         return std::vector<Component*>{new FollowingCamera(Vector2(800, 600)), new SeekerStandIn};
     },
     [](ShipScene& world) {
         SceneNode* target = Entity::create("target");
         target->setPosition(Vector2(300, -20));
         world.scene.addNode(target);
         static_cast<SeekerStandIn*>(world.ship()->getComponent("TargetSeeker"))->target =
             target->getEntity();
         world.tick();
         EXPECT_EQ(Vector2(300, -20), world.node()->getWorldPosition());
     }},
    {"PlayerStaticMapController",
     [] {
         return std::vector<Component*>{
             new PlayerStaticMapController(200.0, 100.0, 300.0, 2.0, 150.0, 0.05, 0.1)};
     },
     [](ShipScene& world) {
         // Only the controller's process caps the speed.
         world.movable()->setVelocity(Vector2(300.0, 400.0));
         world.tick();
         EXPECT_NEAR(world.movable()->getVelocity().length(), 300.0, 1e-9);
     }},
    {"PlayerScrollingMapController",
     [] {
         return std::vector<Component*>{new PlayerScrollingMapController(50.0, 40.0, -30.0, 25.0)};
     },
     [](ShipScene& world) {
         // Only the controller's process ends a boost.
         auto* controller = static_cast<PlayerScrollingMapController*>(
             world.ship()->getComponent(PlayerInputController::roleName()));
         controller->boost(0.0, 0.0, 10.0, 0.0, 0.03);
         EXPECT_DOUBLE_EQ(world.movable()->getVelocity().x, 60.0);
         world.tick(3);
         EXPECT_DOUBLE_EQ(world.movable()->getVelocity().x, 50.0);
     }},
};

} // namespace

TEST(Reparenting, ProcessFollowingTheSceneKeepsRunningAfterAMoveWithinItsScene) {
    for (const ReparentCase& entry : cases) {
        SCOPED_TRACE(entry.name);
        ShipScene world(entry.components());
        auto* holder = new SceneNode();
        world.scene.addNode(holder);
        ASSERT_TRUE(world.scene.removeNode(world.node()));
        ASSERT_TRUE(holder->addChild(world.node()));
        world.tick();
        entry.stillRuns(world);
    }
}

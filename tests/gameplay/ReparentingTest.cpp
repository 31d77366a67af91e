#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerStaticMapController.h"
#include "presentation/FollowingCamera.h"
#include "support/SeamStandIns.h"
#include "support/ShipScene.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Moving under another parent of the same scene leaves and re-enters it within one tick.
struct ReparentCase {
    const char* name;
    std::function<Component*()> component; // beside a stand-in "TargetSeeker"
    // Run a tick after the move, since a process whose removal is pending still runs in that one.
    std::function<void(ShipScene&)> stillRuns;
};

const ReparentCase cases[] = {
    {"FollowingCamera", [] { return new FollowingCamera(Vector2(800, 600)); },
     [](ShipScene& world) {
         SceneNode* target = world.add("target", {300, -20});
         static_cast<SeekerStandIn*>(world.ship()->getComponent("TargetSeeker"))->target =
             target->getEntity();
         world.tick();
         EXPECT_EQ(Vector2(300, -20), world.node()->getWorldPosition());
     }},
    {"PlayerStaticMapController",
     [] { return new PlayerStaticMapController(200.0, 100.0, 300.0, 2.0, 150.0, 0.05, 0.1); },
     [](ShipScene& world) {
         // Only the controller's process caps the speed.
         world.movable()->setVelocity(Vector2(300.0, 400.0));
         world.tick();
         EXPECT_NEAR(world.movable()->getVelocity().length(), 300.0, 1e-9);
     }},
    {"PlayerScrollingMapController",
     [] { return new PlayerScrollingMapController(50.0, 40.0, -30.0, 25.0); },
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
        ShipScene world({entry.component(), new SeekerStandIn});
        auto* holder = new SceneNode();
        world.scene.addNode(holder);
        ASSERT_TRUE(world.scene.removeNode(world.node()));
        ASSERT_TRUE(holder->addChild(world.node()));
        world.tick();
        entry.stillRuns(world);
    }
}

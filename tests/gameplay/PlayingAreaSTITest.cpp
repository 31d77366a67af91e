#include "gameplay/PlayingAreaSTI.h"
#include "gameplay/PlayingArea.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

typedef TemplateFixture PlayingAreaSTITest;

// The 800 x 600 area at (100, 50) spans (-300,-250)..(500,350): "Left" spawns at x = -364, y within
// 50 +- 375, facing +x ("Single" adds (1, 2)). Without the named area nothing is spawned.
TEST_F(PlayingAreaSTITest, SpawnsOutsideTheGivenSideOfTheAreaWhereverItsEntityIs) {
    for (const char* areaName : {"Area", "Marker"}) {
        SceneManager scene;
        SceneNode* area =
            Entity::create("Area", {new PlayingArea(AxisAlignedBox({-400, -300}, {400, 300}))});
        area->setPosition({100, 50});
        scene.addNode(area);
        scene.addNode(Entity::create("Marker"));
        auto* spawner = static_cast<PlayingAreaSTI*>(PlayingAreaSTI().createNew(
            paramList(std::string("side=Left playingArea=") + areaName)));
        scene.addNode(Entity::create("Spawner", {spawner}));
        for (int spawn = 0; spawn < 4; ++spawn) {
            SceneNode* root = spawner->instantiate(sceneTemplates->getTemplate("Single", ""));
            ASSERT_EQ(areaName == std::string("Area"), root != nullptr) << areaName;
            if (!root)
                continue;
            EXPECT_NEAR(-364 + 1, root->getWorldPosition().x, 1e-9);
            EXPECT_LE(std::abs(root->getWorldPosition().y - 52), 375);
            EXPECT_NEAR(0, (root->getWorldOrientation() - Vector2(1, 0)).length(), 1e-12);
        }
    }
}

} // namespace

#include "presentation/Camera.h"
#include "presentation/CameraSTI.h"
#include "support/RecordingListener.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneEvent.h"
#include "world/SceneManager.h"
#include "world/StaticRandomDistributionSTG.h"
#include "world/UniformTimeIncrementSTC.h"

namespace {

// Seed 3's first spawn around "View" (800 x 600 at (100, 50)), worked out apart from the code.
const Vector2 seed3Position(-364, 322.75502984412014),
    seed3Orientation(0.7872895419947199, -0.61658347128814939);

// The spawned template "Single" has its one node at (1, 2).
void expectPlacement(const Vector2& position, const Vector2& orientation, SceneNode* root) {
    ASSERT_NE(nullptr, root);
    EXPECT_NEAR(0, (root->getWorldPosition() - position - Vector2(1, 2)).length(), 1e-9);
    EXPECT_NEAR(0, (root->getWorldOrientation() - orientation).length(), 1e-12);
}

class SpawningTest : public TemplateFixture {
protected:
    SceneManager& newScene(const Vector2& cameraSize = {800, 600}) {
        scenes.push_back(std::make_unique<SceneManager>());
        SceneNode* camera = Entity::create("View", {new Camera(cameraSize)});
        camera->setPosition({100, 50});
        scenes.back()->addNode(camera);
        return *scenes.back();
    }
    // A spawner of "Single" around "View"; without a "spawnRate" it never fires by itself.
    CameraSTI* addSpawner(SceneManager& scene, const std::string& seed,
                          const std::string& side = "", const std::string& creatorPairs = "") {
        auto* instantiator = static_cast<CameraSTI*>(
            CameraSTI().createNew(paramList("camera=View seed=" + seed + " side=" + side)));
        creator = static_cast<UniformTimeIncrementSTC*>(
            UniformTimeIncrementSTC().createNew(paramList(creatorPairs)));
        spawner = Entity::create("Spawner", {instantiator, creator,
                                             StaticRandomDistributionSTG().createNew(
                                                 paramList("scene0=Single rate0=1"))});
        scene.addNode(spawner);
        return instantiator;
    }
    static void step(SceneManager& scene, int times) {
        for (int i = 0; i < times; ++i)
            scene.updateProcess(0.016);
    }
    SceneTemplatePtr single() { return sceneTemplates->getTemplate("Single", ""); }

    std::vector<std::unique_ptr<SceneManager>> scenes;
    SceneNode* spawner = nullptr;
    UniformTimeIncrementSTC* creator = nullptr;
};

} // namespace

// Seed, side and the second spawn's place; the last seed is beyond 32 bits.
TEST_F(SpawningTest, SeedPlacesTheSameSpawnsInEverySceneEntered) {
    const std::tuple<const char*, const char*, Vector2, Vector2> cases[] = {
        {"3", "", {-221.61975605413318, 414}, {0.71668320098676963, -0.69739887397626155}},
        {"4000000000", "Top", {324.56333041191101, 414}, {0, -1}}};
    for (const auto& [seed, side, position, orientation] : cases) {
        SCOPED_TRACE(seed);
        CameraSTI* instantiator = addSpawner(newScene(), seed, side);
        for (int round = 0; round < 2; ++round) {
            instantiator->instantiate(single());
            expectPlacement(position, orientation, instantiator->instantiate(single()));
            spawner->getManager()->removeNode(spawner);
            newScene().addNode(spawner);
        }
    }
}

// Mended in place afterwards, the next spawn is the seed's first.
TEST_F(SpawningTest, SpawnThatCannotBePlacedMakesNothingAndDrawsNothing) {
    const std::tuple<Vector2, const char*> cases[] = {
        {{0, 600}, "Single"}, {{800, std::nan("")}, "Single"}, {{800, 600}, "Nowhere"}};
    for (const auto& [cameraSize, templateName] : cases) {
        SCOPED_TRACE(templateName);
        SceneManager& scene = newScene(cameraSize);
        CameraSTI* instantiator = addSpawner(scene, "3");
        EXPECT_EQ(nullptr,
                  instantiator->instantiate(sceneTemplates->getTemplate(templateName, "")));
        EXPECT_EQ(2u, scene.getEntities().size());
        scene.findEntity("View")
            ->getComponent<Camera>(Camera::typeName())
            ->setDimensions({800, 600});
        expectPlacement(seed3Position, seed3Orientation, instantiator->instantiate(single()));
    }
}

// Steps of 0.016 s (none: one update of 5 s) and the spawns made.
TEST_F(SpawningTest, CreatorFiresOnEntryThenOncePerIntervalDroppingMissedOnes) {
    const std::tuple<const char*, int, std::size_t> cases[] = {
        {"spawnRate=2", 0, 1},
        {"spawnRate=2 spawnNumber=3", 0, 3},
        {"spawnRate=0.5", 100, 4},
        {"spawnRate=1e-300", 50, 50}, // once per update
        {"spawnRate=0", 100, 0}};
    for (const auto& [creatorPairs, steps, spawns] : cases) {
        SCOPED_TRACE(creatorPairs);
        SceneManager& scene = newScene();
        addSpawner(scene, "1", "", creatorPairs);
        if (steps == 0)
            scene.updateProcess(5.0);
        step(scene, steps);
        EXPECT_EQ(spawns + 2, scene.getEntities().size());
    }
}

TEST_F(SpawningTest, CapHoldsUntilASpawnLeavesAndReentryStartsAFreshCount) {
    SceneManager& scene = newScene();
    addSpawner(scene, "1", "", "spawnRate=0.5 maxOnScreen=3");
    step(scene, 200);
    EXPECT_EQ(3u, creator->getOnScreen());
    scene.findEntity("Lonely")->kill();
    step(scene, 41);
    EXPECT_EQ(5u, scene.getEntities().size());

    // Within one tick: the process goes on, the old spawns are forgotten, the next update fires.
    scene.removeNode(spawner);
    scene.addNode(spawner);
    step(scene, 1);
    EXPECT_EQ(6u, scene.getEntities().size());

    // Spawns taken out of the scene while being built are never counted, so never close the cap.
    std::vector<std::unique_ptr<SceneNode>> taken;
    RecordingListener arrivals(EventType::Scene);
    arrivals.onEvent = [&](const EventPtr& event) {
        auto arrival = boost::static_pointer_cast<SceneEvent>(event);
        if (arrival->getRemoved() == 0 && arrival->getEntity()->getName() == "Lonely") {
            taken.emplace_back(arrival->getEntity()->getNode());
            scene.removeNode(taken.back().get());
        }
    };
    scene.addListener(&arrivals);
    step(scene, 130);
    EXPECT_EQ(1u, creator->getOnScreen());
    EXPECT_EQ(4u, taken.size());
}

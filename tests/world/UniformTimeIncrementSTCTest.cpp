#include "world/UniformTimeIncrementSTC.h"

#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/SceneTemplateInstantiator.h"
#include "world/StaticRandomDistributionSTG.h"

#include <memory>
#include <vector>

namespace {

// The creator needs a partner that builds; where it puts the spawn is not its business.
class OriginInstantiator : public SceneTemplateInstantiator {
public:
    const std::string& getType() const override {
        static const std::string type = "OriginInstantiator";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new OriginInstantiator; }
    Component* clone() const override { return new OriginInstantiator; }
    SceneNode* instantiate(const SceneTemplatePtr& sceneTemplate) override {
        return sceneTemplate->instantiateInScene(getSceneManager(), {0, 0}, {1, 0}, {1, 1});
    }
};

// Takes its node out of the scene the moment it arrives, keeping it for the test to delete: a
// spawn gone before its spawner could count it.
class LeavesOnArrival : public Component {
public:
    static inline int arrivals = 0;
    static inline std::vector<std::unique_ptr<SceneNode>> taken;

    const std::string& getType() const override {
        static const std::string type = "LeavesOnArrival";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new LeavesOnArrival; }
    Component* clone() const override { return new LeavesOnArrival; }
    void managerChanged(SceneManager* newManager, SceneManager*) override {
        if (!newManager)
            return;
        ++arrivals;
        newManager->removeNode(getNode());
        taken.emplace_back(getNode());
    }
};

class UniformTimeIncrementSTCTest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        components->registerType(LeavesOnArrival());
        LeavesOnArrival::arrivals = 0;
        loadDataFile("./Spawns.xml");
        scene = std::make_unique<SceneManager>();
    }
    void TearDown() override {
        scene.reset();
        LeavesOnArrival::taken.clear();
        TemplateFixture::TearDown();
    }

    // A spawner of the scene template with the creator's parameters; null creator on failure.
    UniformTimeIncrementSTC* addSpawner(const std::string& sceneName, const ParamList& params) {
        ParamList choice;
        choice.set("scene0", sceneName);
        choice.set("rate0", "1");
        auto* creator =
            static_cast<UniformTimeIncrementSTC*>(UniformTimeIncrementSTC().createNew(params));
        spawner = Entity::create("Spawner", {StaticRandomDistributionSTG().createNew(choice),
                                             new OriginInstantiator, creator});
        scene->addNode(spawner);
        return creator;
    }
    void step(int times) {
        for (int i = 0; i < times; ++i)
            scene->updateProcess(0.016);
    }
    // Everything in the scene but the spawner.
    std::size_t spawned() const { return scene->getEntities().size() - 1; }
    Entity* anySpawn() const {
        for (Entity* entity : scene->getEntities())
            if (entity != spawner->getEntity())
                return entity;
        return nullptr;
    }

    std::unique_ptr<SceneManager> scene;
    SceneNode* spawner = nullptr;
};

ParamList creatorParams(const char* spawnRate, const char* maxOnScreen = "0",
                        const char* spawnNumber = nullptr) {
    ParamList params;
    if (spawnRate)
        params.set("spawnRate", spawnRate);
    params.set("maxOnScreen", maxOnScreen);
    if (spawnNumber)
        params.set("spawnNumber", spawnNumber);
    return params;
}

} // namespace

TEST_F(UniformTimeIncrementSTCTest, FiresOnEntryThenOncePerIntervalDroppingMissedOnes) {
    struct Case {
        const char* label;
        const char* sceneName;
        ParamList params;
        double update; // one update of this length, else steps of 0.016 s
        int steps;
        std::size_t spawns;
    } cases[] = {
        {"one long update fires once", "Drone", creatorParams("2"), 5.0, 1, 1},
        {"each firing makes spawnNumber", "Drone", creatorParams("2", "0", "3"), 5.0, 1, 3},
        {"a firing makes at least one", "Drone", creatorParams("2", "0", "0"), 5.0, 1, 1},
        {"every half second", "Drone", creatorParams("0.5"), 0.0, 100, 4},
        {"a tiny interval fires once per update", "Drone", creatorParams("1e-300"), 0.0, 50, 50},
        {"zero rate never fires", "Drone", creatorParams("0"), 0.0, 100, 0},
        {"negative rate never fires", "Drone", creatorParams("-1"), 0.0, 100, 0},
        {"missing rate never fires", "Drone", creatorParams(nullptr), 0.0, 100, 0},
        {"unreadable rate never fires", "Drone", creatorParams("soon"), 0.0, 100, 0},
        {"a template that fails to load is skipped", "Nowhere", creatorParams("0.5"), 0.0, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        scene = std::make_unique<SceneManager>();
        addSpawner(c.sceneName, c.params);
        if (c.update > 0.0)
            scene->updateProcess(c.update);
        else
            step(c.steps);
        EXPECT_EQ(c.spawns, spawned());
    }
}

TEST_F(UniformTimeIncrementSTCTest, LongUpdateKeepsTheRemainderOfTheInterval) {
    UniformTimeIncrementSTC* creator = addSpawner("Drone", creatorParams("2"));
    scene->updateProcess(5.0);
    EXPECT_DOUBLE_EQ(1.0, creator->getAccumulator());
    scene->updateProcess(0.5);
    EXPECT_EQ(1u, spawned());
    scene->updateProcess(0.5);
    EXPECT_EQ(2u, spawned());
}

TEST_F(UniformTimeIncrementSTCTest, CapHoldsUntilASpawnLeavesAndReentryStartsAFreshCount) {
    UniformTimeIncrementSTC* creator = addSpawner("Drone", creatorParams("0.5", "3"));
    step(200);
    EXPECT_EQ(3u, spawned());
    EXPECT_EQ(3u, creator->getOnScreen());

    Entity* first = anySpawn();
    first->kill();
    step(1);
    EXPECT_EQ(2u, creator->getOnScreen());
    step(40);
    EXPECT_EQ(3u, spawned());
    EXPECT_EQ(3u, creator->getOnScreen());

    // Leaving and re-entering within one tick: the process goes on, the old spawns are
    // forgotten and the first update fires.
    scene->removeNode(spawner);
    scene->addNode(spawner);
    EXPECT_EQ(0u, creator->getOnScreen());
    step(1);
    EXPECT_EQ(4u, spawned());
    EXPECT_EQ(1u, creator->getOnScreen());

    // The forgotten spawns leaving changes nothing; the count never goes below zero.
    for (Entity* entity : scene->getEntities())
        if (entity != spawner->getEntity())
            entity->kill();
    step(1);
    EXPECT_EQ(0u, creator->getOnScreen());
    EXPECT_EQ(0u, spawned());
}

TEST_F(UniformTimeIncrementSTCTest, SpawnGoneDuringItsOwnBuildIsNotCounted) {
    UniformTimeIncrementSTC* creator = addSpawner("Stray", creatorParams("0.5", "1"));
    step(100);
    EXPECT_EQ(0u, creator->getOnScreen());
    // Each of the four firings built one: the cap never closed.
    EXPECT_EQ(4, LeavesOnArrival::arrivals);
}

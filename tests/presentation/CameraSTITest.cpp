#include "presentation/CameraSTI.h"

#include "core/myexception.h"
#include "presentation/Camera.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/StaticRandomDistributionSTG.h"
#include "world/UniformTimeIncrementSTC.h"

#include <limits>
#include <memory>
#include <vector>

namespace {

struct Placement {
    Vector2 position;
    Vector2 orientation;
};

// The camera "View" sees the box from (-300, -250) to (500, 350).
const Vector2 viewCentre(100, 50);
const Vector2 viewSize(800, 600);

// Figures worked out apart from the code, from the 48-bit generator and the placement rules,
// for that box: the first three spawns of each seed.
const Placement seed2024[] = {
    {{564, -205.75120700523257}, {-0.90744714926622461, 0.42016624244291961}},
    {{564, 145.69252945948392}, {-0.91254366053688907, -0.40897929973769459}},
    {{458.33655996248126, 414}, {-0.89375088334382846, -0.44856366161574684}},
};
const Placement seed1[] = {
    {{145.50755536183715, -314}, {-0.34350451312753111, 0.93915102590638633}},
    {{412.41048313677311, -314}, {-0.47075371081884781, 0.88226466763113931}},
    {{173.34510423243046, 414}, {-0.90111308897283848, -0.43358413356790332}},
};
const Placement seed7Left[] = {
    {{-364, -125.16685265582055}, {1, 0}},
    {{-364, 186.52642257511616}, {1, 0}},
    {{-364, -125.88205495849252}, {1, 0}},
};
const Placement seed4000000000Top[] = {
    {{433.1820284947753, 414}, {0, -1}},
    {{324.56333041191101, 414}, {0, -1}},
    {{-130.23843299597502, 414}, {0, -1}},
};

void expectPlacement(const Placement& expected, SceneNode* root) {
    ASSERT_NE(nullptr, root);
    EXPECT_NEAR(expected.position.x, root->getWorldPosition().x, 1e-9);
    EXPECT_NEAR(expected.position.y, root->getWorldPosition().y, 1e-9);
    EXPECT_NEAR(expected.orientation.x, root->getWorldOrientation().x, 1e-12);
    EXPECT_NEAR(expected.orientation.y, root->getWorldOrientation().y, 1e-12);
}

class CameraSTITest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        components->registerType(Camera());
        components->registerType(CameraSTI());
        components->registerType(StaticRandomDistributionSTG());
        components->registerType(UniformTimeIncrementSTC());
        loadDataFile("./Spawns.xml");
        drone = sceneTemplates->getTemplate("Drone", "");
    }
    void TearDown() override {
        scenes.clear();
        drone.reset();
        TemplateFixture::TearDown();
    }

    // A new scene, with the camera "View" unless told otherwise.
    SceneManager& newScene(const Vector2& cameraSize = viewSize, bool withCamera = true) {
        scenes.push_back(std::make_unique<SceneManager>());
        if (withCamera)
            addCamera(cameraSize);
        return *scenes.back();
    }
    Camera* addCamera(const Vector2& size) {
        auto* camera = new Camera(size);
        SceneNode* node = Entity::create("View", {camera});
        node->setPosition(viewCentre);
        scenes.back()->addNode(node);
        return camera;
    }
    CameraSTI* addInstantiator(SceneManager& scene, const std::string& seed,
                               const std::string& side) {
        ParamList params;
        params.set("camera", "View");
        params.set("seed", seed);
        params.set("side", side);
        auto* instantiator = static_cast<CameraSTI*>(CameraSTI().createNew(params));
        spawner = Entity::create("Spawner", {instantiator});
        scene.addNode(spawner);
        return instantiator;
    }

    std::vector<std::unique_ptr<SceneManager>> scenes;
    SceneTemplatePtr drone;
    SceneNode* spawner = nullptr;
};

} // namespace

TEST_F(CameraSTITest, SeedPlacesTheSameSpawnsInEverySceneEntered) {
    struct Case {
        const char* seed;
        const char* side;
        const Placement* expected;
    } cases[] = {
        {"2024", "", seed2024},
        {"1", "", seed1},
        {"7", "Left", seed7Left},
        {"4000000000", "Top", seed4000000000Top},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("seed ") + c.seed);
        CameraSTI* instantiator = addInstantiator(newScene(), c.seed, c.side);
        for (int spawn = 0; spawn < 3; ++spawn)
            expectPlacement(c.expected[spawn], instantiator->instantiate(drone));

        // A second scene starts the sequence over.
        spawner->getManager()->removeNode(spawner);
        newScene().addNode(spawner);
        for (int spawn = 0; spawn < 3; ++spawn)
            expectPlacement(c.expected[spawn], instantiator->instantiate(drone));
    }
}

TEST_F(CameraSTITest, SpawnThatCannotBePlacedMakesNothingAndDrawsNothing) {
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        const char* label;
        Vector2 cameraSize;
        bool withCamera;
        const char* templateName; // empty: no template at all
    } cases[] = {
        {"zero width", {0, 600}, true, "Drone"},
        {"zero height", {800, 0}, true, "Drone"},
        {"infinite width", {infinity, 600}, true, "Drone"},
        {"unreadable height", {800, std::nan("")}, true, "Drone"},
        {"no camera", viewSize, false, "Drone"},
        {"no template", viewSize, true, ""},
        {"template that fails to load", viewSize, true, "Nowhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SceneManager& scene = newScene(c.cameraSize, c.withCamera);
        CameraSTI* instantiator = addInstantiator(scene, "2024", "");
        SceneTemplatePtr chosen;
        if (*c.templateName)
            chosen = sceneTemplates->getTemplate(c.templateName, "");
        std::size_t entities = scene.getEntities().size();
        EXPECT_EQ(nullptr, instantiator->instantiate(chosen));
        EXPECT_EQ(entities, scene.getEntities().size());

        Entity* view = scene.findEntity("View");
        if (view)
            view->getComponent<Camera>(Camera::typeName())->setDimensions(viewSize);
        else
            addCamera(viewSize);
        expectPlacement(seed2024[0], instantiator->instantiate(drone));
    }
}

TEST_F(CameraSTITest, SideWordsAreExactAndAnUnknownOneRaises) {
    for (const char* word : {"left", "Centre", " Right"}) {
        SCOPED_TRACE(word);
        ParamList params;
        params.set("side", word);
        try {
            delete CameraSTI().createNew(params);
            FAIL() << "no exception";
        } catch (const myexception& error) {
            EXPECT_STREQ("Invalid parameter for side.", error.what());
        }
    }
}

TEST_F(CameraSTITest, SpawnerFromDataSpawnsAroundTheCameraUpToItsCap) {
    SceneManager& scene = newScene();
    spawner = entityTemplates->instantiate("CameraSpawner", "", "Spawner");
    ASSERT_NE(nullptr, spawner);
    scene.addNode(spawner);
    scene.updateProcess(0.016);
    ASSERT_EQ(3u, scene.getEntities().size());
    for (Entity* entity : scene.getEntities())
        if (entity->getName() != "View" && entity->getName() != "Spawner")
            expectPlacement(seed2024[0], entity->getNode());

    for (int step = 0; step < 300; ++step)
        scene.updateProcess(0.016);
    EXPECT_EQ(4u, scene.getEntities().size());
}

#include "core/ComponentFactory.h"
#include "presentation/Animatable.h"
#include "presentation/AnimateAndDie.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/Camera.h"
#include "presentation/FollowingCamera.h"
#include "presentation/OccludedAnimatable.h"
#include "presentation/RepeatedStaticImage.h"
#include "presentation/StaticImage.h"
#include "presentation/StripSequence.h"
#include "support/RenderFixture.h"
#include "support/ScratchDirectory.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneTemplateManager.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba white{255, 255, 255, 255};

// The game's way to a screen: data files loaded by the managers, components made by name
// through the factory from templates, a scene template instantiated into the scene.
class SceneDrawingTest : public RenderFixture {
protected:
    void SetUp() override {
        std::filesystem::copy(VANTORIX_TEST_DATA_DIR "/render", scratch.path(),
                              std::filesystem::copy_options::recursive);
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        RenderFixture::SetUp();
        if (HasFatalFailure())
            return;
        files = std::make_unique<XmlFileManager>();
        entityTemplates = std::make_unique<EntityTemplateManager>();
        sceneTemplates = std::make_unique<SceneTemplateManager>();
        sequences = std::make_unique<AnimationSequenceManager>();
        sequences->registerSequenceType("StripSequence", StripSequence());
        factory = std::make_unique<ComponentFactory>();
        // As the start-up registers them: default objects as prototypes.
        factory->registerType(Animatable());
        factory->registerType(AnimateAndDie());
        factory->registerType(Camera());
        factory->registerType(FollowingCamera());
        factory->registerType(OccludedAnimatable());
        factory->registerType(RepeatedStaticImage());
        factory->registerType(StaticImage());
        XmlFilePtr screen = files->getFile("./Screen.xml");
        screen->load();
        ASSERT_FALSE(screen->loadFailed());
    }
    void TearDown() override {
        renderer.reset();
        scene.reset();
        factory.reset();
        sequences.reset();
        sceneTemplates.reset();
        entityTemplates.reset();
        files.reset();
        RenderFixture::TearDown();
        inScratch.reset();
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<XmlFileManager> files;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::unique_ptr<ComponentFactory> factory;
};
} // namespace

TEST_F(SceneDrawingTest, ScreenFromTemplatesShowsBackdropSpriteAndAnimationInPlace) {
    SceneTemplatePtr screen = sceneTemplates->getTemplate("Screen", "");
    screen->load();
    ASSERT_FALSE(screen->loadFailed());
    ASSERT_NE(nullptr, screen->instantiateInScene(scene.get(), {0, 0}, {1, 0}, {1, 1}));
    ASSERT_NE(nullptr, renderer->getMainCamera());
    EXPECT_EQ(3u, renderer->renderableCount());

    drawFrame();
    // Backdrop tiles on the grid of (30, 10): red left halves, green right halves.
    EXPECT_EQ(red, worldPixel(0, 0));
    EXPECT_EQ(green, worldPixel(100, 0));
    EXPECT_EQ(green, worldPixel(-160, -280));
    EXPECT_EQ(blue, worldPixel(-200, 100));
    EXPECT_EQ(blue, worldPixel(-175, 125));
    EXPECT_EQ(green, worldPixel(-150, 100));
    EXPECT_EQ(white, worldPixel(200, -100));
    EXPECT_EQ(white, worldPixel(160, -140));

    // The beacon blinks red after its white frame, on the render manager's clock.
    for (int tick = 0; tick < 4; ++tick)
        step();
    drawFrame();
    EXPECT_EQ(red, worldPixel(200, -100));
    EXPECT_EQ(blue, worldPixel(-200, 100));
}

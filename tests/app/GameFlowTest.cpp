#include "app/GameFlow.h"
#include "app/GameGlobals.h"
#include "app/LevelActionEvent.h"
#include "app/LevelList.h"
#include "app/MainListener.h"
#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/MasterProcessManager.h"
#include "core/WindowEvent.h"
#include "physics/PhysicsManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/AudioManager.h"
#include "presentation/FontManager.h"
#include "presentation/RenderManager.h"
#include "presentation/StripSequence.h"
#include "support/GlContext.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();

TEST(TotalScore, AddsTheTimeBonusWideAndClampsToTheIntegerRange) {
    const std::tuple<std::int32_t, double, std::int32_t> cases[] = {
        {1500, 60.0, 11500},         // a minute earns 10000
        {1500, 7.0, 1500 + 85714},   // the bonus is floored
        {1500, 0.0, 1500},           // no time, no bonus
        {1500, -3.0, 1500},          // nor for a negative one
        {1500, std::nan(""), 1500},  // nor for an unset one
        {0, 1e-9, intMax},           // a tiny time no longer overflows
        {intMax - 10, 60.0, intMax}, // nor do many points
        {intMin, 1e-12, intMax},     // wide even from the bottom of the range
        {intMin, 1e12, intMin},      // a negative score keeps its sign
        {-250, 600000.0, -249},      // one point of bonus
    };
    for (const auto& [points, roundTime, expected] : cases)
        EXPECT_EQ(expected, totalScore(points, roundTime)) << points << " points in " << roundTime;
}

// The game's managers, made in its order and ended in the reverse one.
struct GameManagers {
    MasterProcessManager master;
    XmlFileManager xmlFiles;
    EntityTemplateManager entityTemplates;
    SceneTemplateManager sceneTemplates;
    EventScriptManager eventScripts;
    AnimationSequenceManager sequences;
    ComponentFactory components;
    EventFactory events;
    GameManagers() {
        xmlFiles.registerElementType("LevelList");
        sequences.registerSequenceType("StripSequence", StripSequence());
        registerComponentTypes(components);
        registerEventTypes(events);
    }
};

// The game's managers over a window on the project's data, the real level list and its menu.
class GameFlowTest : public GlContextTest {
protected:
    void SetUp() override {
        GlContextTest::SetUp();
        if (HasFatalFailure())
            return;
        textures();
        new FontManager(); // the VideoManager takes it down with the texture cache
        std::filesystem::create_directory_symlink(
            std::filesystem::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        managers = std::make_unique<GameManagers>();
        useList("VantorixMain", "./data/templates/Scene.xml");
        gameMode = nextGameMode = State::MainMenu;
        changeScreen();
    }
    void TearDown() override {
        if (savedMenuScene != currentScene)
            delete savedMenuScene;
        delete currentScene;
        delete currentRenderManager;
        delete currentPhysicsManager;
        savedMenuScene = currentScene = nullptr;
        currentRenderManager = nullptr;
        currentPhysicsManager = nullptr;
        levelList = nullptr;
        list.reset();
        managers.reset();
        inScratch.reset();
        GlContextTest::TearDown();
    }
    void useList(const std::string& name, const std::string& file) {
        list = std::make_unique<LevelList>(name);
        list->setFileName(file);
        list->load();
        levelList = list.get();
    }
    void change(State next) {
        nextGameMode = next;
        changeScreen();
    }
    bool showsMenu() const {
        return gameMode == State::MainMenu && currentScene && currentScene->findEntity("Controls");
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<GameManagers> managers;
    std::unique_ptr<LevelList> list;
};

TEST_F(GameFlowTest, ScreensThatCannotBeBuiltFallBackToTheMenu) {
    // Its screens and one story level name templates that do not exist.
    std::filesystem::copy_file(std::filesystem::path(VANTORIX_SOURCE_DIR) /
                                   "tests/data/levels/ShortRun.xml",
                               scratch.file("ShortRun.xml"));
    writeTextFile(scratch.file("Broken.xml"),
                  "<Broken><IncludeFile file=\"templates/Scene.xml\"/>"
                  "<IncludeFile file=\"ShortRun.xml\"/>"
                  "<LevelList name=\"Broken\"><ControlHelp scene=\"\"/>"
                  "<LevelFinish scene=\"NoSuchScreen\"/>"
                  "<StoryLevel name=\"Ghost\" scene=\"NoSuchLevel\"/>"
                  "<StoryLevel name=\"Short\" scene=\"ShortRun\" finishScreen=\"true\"/>"
                  "</LevelList></Broken>");
    useList("Broken", "./Broken.xml");
    const std::tuple<const char*, State, State, unsigned> cases[] = {
        {"help without a screen keeps the menu", State::MainMenu, State::ControlHelp, 0},
        {"a level without its template", State::MainMenu, State::StoryLevel, 0},
        {"a level past the end of the list", State::StoryLevel, State::StoryLevel, 2},
        {"results without their screen", State::StoryLevel, State::LevelFinish, 1},
        {"the next level past the end", State::LevelFinish, State::StoryLevel, 7},
        {"a screen the game never shows", State::StoryLevel, State::IntroScene, 1},
    };
    for (const auto& [what, mode, next, storyLevel] : cases) {
        SceneManager* before = currentScene;
        gameMode = mode;
        currentStoryLevel = storyLevel;
        change(next);
        EXPECT_TRUE(showsMenu()) << what;
        // Only help has a menu to keep; the others build a new one.
        EXPECT_TRUE(next != State::ControlHelp || before == currentScene) << what;
        EXPECT_TRUE(currentRenderManager && currentRenderManager->getMainCamera()) << what;
    }
    // The list still starts what exists.
    gameMode = State::LevelFinish;
    currentStoryLevel = 1;
    change(State::StoryLevel);
    EXPECT_EQ(State::StoryLevel, gameMode);
    EXPECT_TRUE(currentScene->findEntity("Director"));
}

TEST_F(GameFlowTest, HelpReturnsToTheRunningMenuAndTwoLevelEndsEndOnlyOneLevel) {
    ASSERT_TRUE(showsMenu());
    SceneManager* menu = currentScene;
    change(State::PowerUpHelp);
    EXPECT_EQ(menu, savedMenuScene);
    EXPECT_EQ(&managers->master, menu->getManager()) << "the hidden menu no longer runs";
    change(State::MainMenu);
    EXPECT_EQ(menu, currentScene);
    EXPECT_TRUE(showsMenu());

    currentStoryLevel = 0;
    change(State::StoryLevel);
    ASSERT_EQ(State::StoryLevel, gameMode);
    screenChangeRequested = false;
    LevelActionEventPtr end(new LevelActionEvent(LevelActionEvent::Action::EndLevel));
    currentScene->sendEvent(end);
    currentScene->sendEvent(end);
    EXPECT_EQ(1u, currentStoryLevel);
    EXPECT_EQ(State::LevelFinish, nextGameMode);
}

TEST_F(GameFlowTest, WindowHandlersStopTheMenuWhileMinimisedAndHoldALevelUntilP) {
    setenv("VANTORIX_AUDIO_OUTPUT", "silent", 1);
    AudioManager audio;
    WindowEventPtr event(new WindowEvent(WindowEvent::Minimized));
    auto stopped = [&audio] { return audio.isSuspended() && currentScene->isPaused(); };
    auto running = [&audio] { return !audio.isSuspended() && !currentScene->isPaused(); };

    mainListener.windowMinimized(event);
    EXPECT_TRUE(stopped() && !renderingEnabled);
    mainListener.windowRestored(event);
    EXPECT_TRUE(running() && renderingEnabled) << "the menu goes on when restored";
    mainListener.inputFocusLost(event);
    EXPECT_TRUE(running()) << "the menu runs without focus";

    currentStoryLevel = 0;
    change(State::StoryLevel);
    ASSERT_EQ(State::StoryLevel, gameMode);
    mainListener.inputFocusLost(event);
    EXPECT_TRUE(stopped()) << "focus loss pauses a level";
    mainListener.windowMinimized(event);
    mainListener.windowRestored(event);
    EXPECT_TRUE(stopped() && renderingEnabled) << "a restored level waits for P";
    mainListener.togglePause(0.0);
    EXPECT_TRUE(running());
}

// A screen left behind lets go of its template, and with it of its pictures; the current screen
// and a template held elsewhere keep theirs, and a level entered again is built in full.
TEST_F(GameFlowTest, LeftScreensLetGoOfTheirTemplatesAndComeBackWhole) {
    const SceneTemplatePtr& belt = list->getStoryLevel(0).scene;
    const SceneTemplatePtr& drift = list->getStoryLevel(1).scene;
    SceneTemplatePtr held = list->getStoryLevel(2).scene;
    held->load();
    currentStoryLevel = 1;
    change(State::StoryLevel);
    const std::size_t firstBuild = currentScene->getEntities().size();
    currentStoryLevel = 0;
    change(State::StoryLevel);
    list->releaseIdleScenes(belt);
    for (ResourceManager* cache : std::initializer_list<ResourceManager*>{
             &managers->sceneTemplates, &managers->entityTemplates}) {
        cache->unloadUnreferenced();
        cache->removeUnreferenced();
    }
    EXPECT_EQ(Resource::Loaded, belt->getState());
    EXPECT_EQ(Resource::Unloaded, drift->getState());
    EXPECT_EQ(Resource::Loaded, held->getState());
    currentStoryLevel = 1;
    change(State::StoryLevel);
    EXPECT_EQ(firstBuild, currentScene->getEntities().size());
    EXPECT_TRUE(currentScene->findEntity("Player"));
}

} // namespace

#include "app/GameFlow.h"
#include "app/GameGlobals.h"
#include "app/LevelList.h"
#include "app/MainListener.h"
#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/KeyEvent.h"
#include "core/MasterProcessManager.h"
#include "core/myexception.h"
#include "physics/PhysicsManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/RenderManager.h"
#include "presentation/StripSequence.h"
#include "support/FontSupport.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();

TEST(TotalScore, AddsTheTimeBonusWideAndClampsToTheIntegerRange) {
    struct Case {
        std::int32_t points;
        double roundTime;
        std::int32_t expected;
    } cases[] = {
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
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, totalScore(c.points, c.roundTime))
            << c.points << " points in " << c.roundTime << " s";
}

// The game's managers over a window, in a working directory that sees the project's data, with
// the real level list loaded; the flow globals start as the game's do.
class GameFlowTest : public FontContextTest {
protected:
    void SetUp() override {
        FontContextTest::SetUp();
        if (HasFatalFailure())
            return;
        fonts();
        std::filesystem::create_directory_symlink(
            std::filesystem::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        master = std::make_unique<MasterProcessManager>();
        xmlFiles = std::make_unique<XmlFileManager>();
        xmlFiles->registerElementType("LevelList");
        entityTemplates = std::make_unique<EntityTemplateManager>();
        sceneTemplates = std::make_unique<SceneTemplateManager>();
        eventScripts = std::make_unique<EventScriptManager>();
        sequences = std::make_unique<AnimationSequenceManager>();
        sequences->registerSequenceType("StripSequence", StripSequence());
        components = std::make_unique<ComponentFactory>();
        registerComponentTypes(*components);
        events = std::make_unique<EventFactory>();
        registerEventTypes(*events);
        useList("VantorixMain");
        gameMode = nextGameMode = State::MainMenu;
        screenChangeRequested = true;
        currentStoryLevel = 0;
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
        forgetCounters();
        list.reset();
        sequences.reset();
        eventScripts.reset();
        sceneTemplates.reset();
        entityTemplates.reset();
        xmlFiles.reset();
        components.reset();
        events.reset();
        master.reset();
        inScratch.reset();
        FontContextTest::TearDown();
    }

    void useList(const std::string& name, const std::string& file = "./data/templates/Scene.xml") {
        list = std::make_unique<LevelList>(name);
        list->setFileName(file);
        list->load();
        levelList = list.get();
    }

    // A level list whose screens and one story level name templates that do not exist.
    void useBrokenList() {
        writeTextFile(scratch.file("Broken.xml"),
                      "<Broken><IncludeFile file=\"templates/Scene.xml\"/>"
                      "<LevelList name=\"Broken\"><ControlHelp scene=\"\"/>"
                      "<LevelFinish scene=\"NoSuchScreen\"/>"
                      "<StoryLevel name=\"Ghost\" scene=\"NoSuchLevel\"/>"
                      "<StoryLevel name=\"Belt\" scene=\"AsteroidBelt\" finishScreen=\"true\"/>"
                      "</LevelList></Broken>");
        useList("Broken", "./Broken.xml");
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
    std::unique_ptr<MasterProcessManager> master;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<EventScriptManager> eventScripts;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::unique_ptr<ComponentFactory> components;
    std::unique_ptr<EventFactory> events;
    std::unique_ptr<LevelList> list;
};

TEST_F(GameFlowTest, TheMenuListsTheStoryLevelsThirtyUnitsApartAndHelpReturnsToTheSameMenu) {
    ASSERT_TRUE(showsMenu());
    ASSERT_EQ(2u, levelList->getNumStoryLevels());
    SceneManager* menu = currentScene;
    std::vector<double> heights;
    // The level items: every collidable line below the two help items.
    for (Entity* entity : menu->getEntities())
        if (entity->getComponent("StaticCollidable") && entity->getNode()->getPosition().y < 140)
            heights.push_back(entity->getNode()->getPosition().y);
    std::sort(heights.begin(), heights.end());
    EXPECT_EQ((std::vector<double>{70, 100}), heights);

    change(State::ControlHelp);
    EXPECT_EQ(State::ControlHelp, gameMode);
    EXPECT_NE(menu, currentScene);
    EXPECT_EQ(menu, savedMenuScene);
    change(State::MainMenu);
    EXPECT_EQ(menu, currentScene);
    EXPECT_TRUE(showsMenu());
}

TEST_F(GameFlowTest, ScreensThatCannotBeBuiltFallBackToTheMenu) {
    useBrokenList();
    struct Case {
        const char* what;
        State mode;
        State next;
        unsigned storyLevel;
    } cases[] = {
        {"help without a screen keeps the menu", State::MainMenu, State::ControlHelp, 0},
        {"a level without its template", State::MainMenu, State::StoryLevel, 0},
        {"a level past the end of the list", State::StoryLevel, State::StoryLevel, 2},
        {"results without their screen", State::StoryLevel, State::LevelFinish, 1},
        {"the next level past the end", State::LevelFinish, State::StoryLevel, 7},
        {"a screen the game never shows", State::StoryLevel, State::IntroScene, 1},
    };
    for (const Case& c : cases) {
        SceneManager* before = currentScene;
        gameMode = c.mode;
        currentStoryLevel = c.storyLevel;
        change(c.next);
        EXPECT_TRUE(showsMenu()) << c.what;
        // Only the help case has a menu to keep; the others build a new one.
        if (c.next == State::ControlHelp) {
            EXPECT_EQ(before, currentScene) << c.what;
        }
        EXPECT_TRUE(currentRenderManager && currentRenderManager->getMainCamera()) << c.what;
    }
    // The list still starts what exists.
    gameMode = State::LevelFinish;
    currentStoryLevel = 1;
    change(State::StoryLevel);
    EXPECT_EQ(State::StoryLevel, gameMode);
    EXPECT_TRUE(currentScene->findEntity("Player"));
}

TEST_F(GameFlowTest, LevelListQueriesAndAMissingListSayWhatIsWrong) {
    EXPECT_EQ("STORY_LEVEL invalid argument for getLevel(State).",
              thrownMessage([] { levelList->getLevel(State::StoryLevel); }));
    EXPECT_EQ("Index of bounds on story list.",
              thrownMessage([] { levelList->getStoryLevelName(2); }));
    EXPECT_EQ("Drift Run", levelList->getStoryLevelName(1));

    useList("Missing");
    EXPECT_TRUE(list->loadFailed());
    EXPECT_EQ(0u, list->getNumStoryLevels());
    EXPECT_NE(std::string::npos,
              readTextFile("XmlSystemLogFile.txt")
                  .find("Error: Loading LevelList Missing: cannot find element name in any "
                        "loaded xml files."));
}

TEST_F(GameFlowTest, PauseShowsOneTextAndFreezesTheLevelUntilResumed) {
    currentStoryLevel = 0;
    change(State::StoryLevel);
    ASSERT_EQ(State::StoryLevel, gameMode);
    auto press = [](int key) {
        mainListener.keyPressed(KeyEventPtr(new KeyEvent(key, SDL_KEYDOWN, 0.0)));
    };
    master->updateProcess(0.016);
    double before = currentScene->getTotalTime();
    for (int round = 0; round < 2; ++round) {
        press(SDLK_p);
        ASSERT_TRUE(currentScene->isPaused());
        Entity* text = currentScene->findEntity("PauseTextDisplay");
        ASSERT_TRUE(text);
        EXPECT_EQ(currentScene->findEntity("MainCamera")->getNode(), text->getNode()->getParent());
        master->updateProcess(0.016);
        EXPECT_EQ(before, currentScene->getTotalTime());
        press(SDLK_p);
        EXPECT_FALSE(currentScene->isPaused());
        EXPECT_EQ(nullptr, currentScene->findEntity("PauseTextDisplay"));
    }
    master->updateProcess(0.016);
    EXPECT_GT(currentScene->getTotalTime(), before);
}

} // namespace

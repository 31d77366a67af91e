#include "app/GameFlow.h"

#include "app/GameGlobals.h"
#include "app/LevelList.h"
#include "app/MainListener.h"
#include "app/MenuListener.h"
#include "core/LogManager.h"
#include "core/MasterProcessManager.h"
#include "core/PlayerActionType.h"
#include "gameplay/ObjectRemovalCounter.h"
#include "gameplay/PlayerPingCreator.h"
#include "gameplay/PlayerScore.h"
#include "physics/AxisAlignedBox.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "presentation/Font.h"
#include "presentation/RenderManager.h"
#include "presentation/StaticTextDisplay.h"
#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/PlayerAction.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <cmath>
#include <limits>
#include <sstream>

const char* const levelListFile = "./data/templates/Scene.xml";
const char* const guiTemplatesFile = "./data/templates/GuiTemplates.xml";
const char* const menuFontFile = "./data/FreeMonoBold.ttf";

namespace {

const char* const playerTemplatesFile = "./data/templates/PlayerTemplates.xml";
const char* const backgroundTemplatesFile = "./data/templates/BackgroundTemplates.xml";
const char* const musicTemplatesFile = "./data/templates/MusicTemplates.xml";
const double menuItemSize = 30.0;

// Builds the template at the origin; false when it is missing or does not load.
bool instantiateEntry(const LevelList::Entry& entry, SceneManager& scene) {
    if (!entry.scene)
        return false;
    entry.scene->load();
    if (entry.scene->loadFailed())
        return false;
    entry.scene->instantiateInScene(&scene, Vector2(0, 0), Vector2(1, 0), Vector2(1, 1));
    if (entry.script) {
        entry.script->load();
        scene.addProcess(EventScript::run(entry.script, &scene));
    }
    return true;
}

SceneNode* addEntity(SceneManager& scene, const Vector2& position,
                     const std::vector<Component*>& components,
                     const std::string& name = std::string()) {
    SceneNode* node = Entity::create(name, components);
    node->setPosition(position);
    scene.addNode(node);
    return node;
}

StaticTextDisplay* addText(SceneManager& scene, const std::string& text, int alignment,
                           double zOrder, double size, const Vector2& position,
                           const std::string& name = std::string()) {
    auto* display = new StaticTextDisplay(menuFontFile, size, zOrder, text, alignment);
    addEntity(scene, position, {display}, name);
    return display;
}

void addFromTemplate(SceneManager& scene, const std::string& templateName,
                     const std::string& fileHint, const std::string& entityName) {
    EntityTemplateManager* templates = EntityTemplateManager::getSingletonPtr();
    if (!templates)
        return;
    if (SceneNode* node = templates->instantiate(templateName, fileHint, entityName))
        scene.addNode(node);
}

// A menu line the menu ping can touch: a box over the text, listened to by the menu listener.
void makeMenuItem(StaticTextDisplay& display) {
    Entity* entity = display.getEntity();
    double aspect = display.getFont() ? display.getFont()->getTextAspect(display.getText()).x : 0;
    Vector2 half(0.5 * menuItemSize * aspect, 0.5 * menuItemSize);
    auto* collidable = new StaticCollidable(AxisAlignedBox(Vector2(-half.x, -half.y), half));
    if (!entity->addComponent(collidable))
        delete collidable;
    entity->addListener(&menuListener);
}

// A removal counter of the kind, from 0, on an entity of its own at the scene's root.
Entity* addCounter(SceneManager& scene, const std::string& kind) {
    return addEntity(scene, Vector2(0, 0), {new ObjectRemovalCounter(kind, 0)})->getEntity();
}

// The counter while it is still in the scene, else null.
Entity* liveCounter(Entity* counter, const SceneManager& scene) {
    return counter && scene.getEntities().count(counter) ? counter : nullptr;
}

std::string decimal(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// Takes the menu's ping out of the menu scene. While a help screen covered the menu, nothing
// animated the ping away, and a new physics manager would see it touch its item afresh and open
// that screen again at once.
void removeMenuPing(SceneManager& menu) {
    for (Entity* entity : menu.getEntities()) {
        auto* creator = dynamic_cast<PlayerPingCreator*>(
            ComponentRegistry::getComponent(PlayerPingCreator::typeName(), entity));
        if (!creator)
            continue;
        if (Entity* ping = menu.findEntity(creator->getLastPingName()))
            menu.removeEntity(ping);
        return;
    }
}

// Builds what the requested change asks for into scene; false when nothing could be built.
bool buildNext(SceneManager& scene) {
    switch (gameMode) {
    case State::MainMenu:
        if (nextGameMode == State::MainMenu) {
            buildMainMenu(scene);
            return true;
        }
        if (nextGameMode == State::ControlHelp || nextGameMode == State::PowerUpHelp) {
            if (!levelList || !instantiateEntry(levelList->getLevel(nextGameMode), scene))
                return false;
            // The menu scene stays saved and running; this screen covers it for a while.
            gameMode = nextGameMode;
            return true;
        }
        if (nextGameMode == State::StoryLevel)
            return startStoryLevel(scene) || (buildMainMenu(scene), true);
        return false;
    case State::LevelFinish:
        if (nextGameMode == State::StoryLevel && startStoryLevel(scene))
            return true;
        buildMainMenu(scene);
        return true;
    case State::StoryLevel:
        if (nextGameMode == State::LevelFinish && buildResultsScreen(scene))
            return true;
        if (nextGameMode == State::StoryLevel && startStoryLevel(scene))
            return true;
        buildMainMenu(scene);
        return true;
    default:
        buildMainMenu(scene);
        return true;
    }
}

} // namespace

void changeScreen() {
    delete currentRenderManager;
    currentRenderManager = nullptr;
    delete currentPhysicsManager;
    currentPhysicsManager = nullptr;

    auto* scene = new SceneManager();
    if ((gameMode == State::ControlHelp || gameMode == State::PowerUpHelp) && savedMenuScene) {
        // Back from help: the very menu that was left, still running.
        delete scene;
        scene = savedMenuScene;
        removeMenuPing(*scene);
        gameMode = State::MainMenu;
    } else if (!buildNext(*scene)) {
        // A screen the menu could not open: the menu stays.
        delete scene;
        scene = currentScene ? currentScene : new SceneManager();
        if (!currentScene)
            buildMainMenu(*scene);
        gameMode = State::MainMenu;
    }

    if (currentScene != scene && currentScene != savedMenuScene)
        delete currentScene;
    currentScene = scene;

    currentRenderManager = new RenderManager();
    currentPhysicsManager = new PhysicsManager();
    if (MasterProcessManager* master = MasterProcessManager::getSingletonPtr())
        master->addProcess(scene);
    currentRenderManager->connect(scene);
    currentPhysicsManager->connect(scene);
    scene->addProcess(currentRenderManager);
    scene->addProcess(currentPhysicsManager);
    // The kept menu scene already has it; a second registration would deliver twice.
    auto* levelActions = static_cast<LevelActionListener*>(&mainListener);
    scene->removeListener(levelActions);
    scene->addListener(levelActions);
}

void buildMainMenu(SceneManager& scene) {
    menuListener.clearItems();

    auto* action = new PlayerAction(true);
    action->bindButton(1, PlayerActionType::Ping);
    addEntity(scene, Vector2(0, 0),
              {new PlayerPingCreator("MenuPing", "MainCamera", playerTemplatesFile), action});

    addFromTemplate(scene, "StaticCamera", levelListFile, "MainCamera");
    addFromTemplate(scene, "BG_title", backgroundTemplatesFile, "");

    const int centre = TextDisplay::Center;
    addText(scene, "Vantorix Beta", centre, 100, 60, Vector2(0, 260));
    addText(scene, "Click on a level to play", centre, 100, 40, Vector2(0, 230));
    makeMenuItem(*addText(scene, "Control Help", centre, 100, 30, Vector2(0, 180), "Controls"));
    makeMenuItem(*addText(scene, "Power Up Help", centre, 100, 30, Vector2(0, 150), "PowerUps"));
    std::size_t levels = levelList ? levelList->getNumStoryLevels() : 0;
    for (std::size_t index = 0; index < levels; ++index) {
        StaticTextDisplay* item = addText(scene, levelList->getStoryLevelName(index), centre, 100,
                                          30, Vector2(0, 100 - 30.0 * static_cast<double>(index)));
        makeMenuItem(*item);
        menuListener.addItem(item->getEntity()->getName(), static_cast<unsigned>(index));
    }

    addFromTemplate(scene, "BGM_title", musicTemplatesFile, "");

    savedMenuScene = &scene;
    gameMode = State::MainMenu;
}

bool startStoryLevel(SceneManager& scene) {
    if (!levelList || currentStoryLevel >= levelList->getNumStoryLevels())
        return false;
    const LevelList::Entry& entry = levelList->getStoryLevel(currentStoryLevel);
    if (!entry.scene)
        return false;
    savedMenuScene = nullptr;
    if (!instantiateEntry(entry, scene))
        return false;
    gameMode = State::StoryLevel;
    enemyCounter = addCounter(scene, "Enemy");
    powerUpCounter = addCounter(scene, "PowerUp");
    return true;
}

bool buildResultsScreen(SceneManager& scene) {
    if (!levelList)
        return false;
    savedMenuScene = nullptr;
    if (!instantiateEntry(levelList->getLevel(State::LevelFinish), scene))
        return false;
    gameMode = State::LevelFinish;
    nextGameMode = State::StoryLevel;

    const int left = TextDisplay::Left, right = TextDisplay::Right;
    const LevelResults& results = levelResults;
    addText(scene, results.levelName + " Clear!", TextDisplay::Center, 100, 60, Vector2(0, 170));
    addText(scene, "Enemies Destoryed:", right, 70, 40, Vector2(0, 70));
    addText(scene, "Power Ups Collected:", right, 70, 40, Vector2(0, 30));
    addText(scene, "Points Scored:", right, 70, 40, Vector2(0, -10));
    addText(scene, "Round Time:", right, 70, 40, Vector2(0, -50));
    addText(scene, std::to_string(results.enemiesDestroyed), left, 50, 40, Vector2(40, 70));
    addText(scene, std::to_string(results.powerUpsCollected), left, 50, 40, Vector2(40, 30));
    addText(scene, std::to_string(results.points), left, 50, 40, Vector2(40, -10));
    addText(scene, decimal(results.roundTime), left, 50, 40, Vector2(40, -50));
    addText(scene, "Total Score:", right, 30, 50, Vector2(0, -150));
    addText(scene, std::to_string(totalScore(results.points, results.roundTime)), left, 10, 50,
            Vector2(40, -150));
    return true;
}

std::int32_t totalScore(std::int32_t points, double roundTime) {
    // NaN compares false and gets no bonus either.
    if (!(roundTime > 0.0))
        return points;
    double total = static_cast<double>(points) + std::floor(600000.0 / roundTime);
    if (total >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (total <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(total);
}

void recordLevelResults(SceneManager& scene, unsigned storyIndex) {
    levelResults = LevelResults();
    if (levelList && storyIndex < levelList->getNumStoryLevels())
        levelResults.levelName = levelList->getStoryLevelName(storyIndex);
    auto count = [&scene](Entity* counter) {
        Entity* live = liveCounter(counter, scene);
        auto* found =
            live ? live->getComponent<ObjectRemovalCounter>(ObjectRemovalCounter::typeName())
                 : nullptr;
        return found && found->getCount() > 0 ? static_cast<unsigned>(found->getCount()) : 0u;
    };
    levelResults.enemiesDestroyed = count(enemyCounter);
    levelResults.powerUpsCollected = count(powerUpCounter);
    levelResults.roundTime = scene.getTotalTime();
    Entity* scoreEntity = scene.findEntity("PlayerScore");
    auto* score =
        scoreEntity ? scoreEntity->getComponent<PlayerScore>(PlayerScore::typeName()) : nullptr;
    levelResults.points = score ? score->getScore() : 0;
}

void forgetCounters() {
    enemyCounter = nullptr;
    powerUpCounter = nullptr;
}

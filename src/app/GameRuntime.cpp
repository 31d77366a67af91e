#include "app/GameRuntime.h"

#include "app/CommandLine.h"
#include "app/GameFlow.h"
#include "app/GameGlobals.h"
#include "app/LevelList.h"
#include "app/MainListener.h"
#include "app/MainLoop.h"
#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/InputManager.h"
#include "core/LogManager.h"
#include "core/MasterProcessManager.h"
#include "physics/PhysicsManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioManager.h"
#include "presentation/AudioStreamManager.h"
#include "presentation/FontManager.h"
#include "presentation/RenderManager.h"
#include "presentation/SoundLayer.h"
#include "presentation/StripSequence.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <GL/gl.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <iostream>
#include <sstream>

namespace {

void setCaptionAndIcon() {
    SDL_WM_SetCaption("Vantorix", "Vantorix");
    // The icon must be set before the video mode, as SDL 1.2 requires.
    if (SDL_Surface* icon = IMG_Load("data/images/Spaceship.png")) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

void setGroupVolume(FMOD_CHANNELGROUP* group, float volume) {
    FMOD_RESULT result = FMOD_ChannelGroup_SetVolume(group, volume);
    if (result != FMOD_OK)
        throw myexception(FMOD_ErrorString(result));
}

// The template the current screen was built from; empty for the menu, which is built in code.
SceneTemplatePtr currentScreenTemplate() {
    if (gameMode == State::StoryLevel)
        return currentStoryLevel < levelList->getNumStoryLevels()
                   ? levelList->getStoryLevel(currentStoryLevel).scene
                   : SceneTemplatePtr();
    return levelList->getLevel(gameMode).scene;
}

// Drops whatever only the old screen used: first unload, then forget. The current screen keeps
// its template, so that what its scripts build later in the level is still at hand.
void releaseUnusedResources() {
    if (levelList)
        levelList->releaseIdleScenes(currentScreenTemplate());
    ResourceManager* managers[] = {
        AnimationSequenceManager::getSingletonPtr(), EventScriptManager::getSingletonPtr(),
        SceneTemplateManager::getSingletonPtr(), EntityTemplateManager::getSingletonPtr(),
        TextureManager::getSingletonPtr()};
    for (ResourceManager* manager : managers)
        if (manager)
            manager->unloadUnreferenced();
    for (ResourceManager* manager : managers)
        if (manager)
            manager->removeUnreferenced();
}

} // namespace

GameRuntime::GameRuntime() = default;

GameRuntime::~GameRuntime() {
    try {
        shutDown();
    } catch (const std::exception& error) {
        std::cerr << "Vantorix: " << error.what() << std::endl;
    }
}

bool GameRuntime::startUp(const VideoMode& mode) {
    logs = std::make_unique<LogManager>();
    logs->openLog("VantorixLog.txt", 1, true, true);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        logDefault(std::string("Couldn't initialize SDL: ") + SDL_GetError(), 2);
        return false;
    }
    sdlStarted = true;
    setCaptionAndIcon();
    master = std::make_unique<MasterProcessManager>();
    input = std::make_unique<InputManager>();
    video = std::make_unique<VideoManager>(mode);
    new TextureManager();
    new FontManager();
    audio = std::make_unique<AudioManager>();
    master->addProcess(audio.get());
    xmlFiles = std::make_unique<XmlFileManager>();
    xmlFiles->registerElementType("LevelList");
    entityTemplates = std::make_unique<EntityTemplateManager>();
    sceneTemplates = std::make_unique<SceneTemplateManager>();
    eventScripts = std::make_unique<EventScriptManager>();
    animationSequences = std::make_unique<AnimationSequenceManager>();
    animationSequences->registerSequenceType("StripSequence", StripSequence());
    setGroupVolume((new AudioClipManager())->getChannelGroup(), 0.45f);
    setGroupVolume((new AudioStreamManager())->getChannelGroup(), 0.9f);
    componentFactory = std::make_unique<ComponentFactory>();
    registerComponentTypes(*componentFactory);
    eventFactory = std::make_unique<EventFactory>();
    registerEventTypes(*eventFactory);
    input->addListener(static_cast<MouseListener*>(&mainListener));
    input->addListener(static_cast<KeyListener*>(&mainListener));
    input->addListener(static_cast<WindowListener*>(&mainListener));
    ownedLevelList = std::make_unique<LevelList>("VantorixMain");
    ownedLevelList->setFileName(levelListFile);
    ownedLevelList->load();
    levelList = ownedLevelList.get();
    currentStoryLevel = levelList->getStartingLevel();
    return true;
}

void GameRuntime::writeStatistics() const {
    if (!loop)
        return;
    double runTime = (SDL_GetTicks() - loop->getRunStart()) / 1000.0;
    logDefault(loop->getStats().report(), 1);
    std::ostringstream summary;
    summary << "Total run time: " << runTime
            << " Total Frame Count: " << loop->getStats().frameCount() << "\n";
    logDefault(summary.str(), 2);
}

void GameRuntime::shutDown() {
    levelList = nullptr;
    ownedLevelList.reset();
    // Under a help screen the menu is kept alive without being current.
    if (savedMenuScene != currentScene)
        delete savedMenuScene;
    savedMenuScene = nullptr;
    delete currentScene;
    currentScene = nullptr;
    delete currentRenderManager;
    currentRenderManager = nullptr;
    delete currentPhysicsManager;
    currentPhysicsManager = nullptr;
    if (TextureManager* textures = TextureManager::getSingletonPtr())
        textures->removeUnreferenced();
    if (FontManager* fonts = FontManager::getSingletonPtr())
        fonts->removeUnreferenced();
    if (sceneTemplates)
        sceneTemplates->unloadAll();
    if (entityTemplates)
        entityTemplates->unloadAll();
    animationSequences.reset();
    eventScripts.reset();
    sceneTemplates.reset();
    entityTemplates.reset();
    xmlFiles.reset();
    componentFactory.reset();
    eventFactory.reset();
    audio.reset();
    video.reset();
    input.reset();
    master.reset();
    writeStatistics();
    loop.reset();
    if (sdlStarted)
        SDL_Quit();
    sdlStarted = false;
    logs.reset();
}

MainLoop::FrameStart GameRuntime::prepareFrame() {
    if (!screenChangeRequested)
        return MainLoop::FrameStart::Continue;
    changeScreen();
    releaseUnusedResources();
    if (!currentScene)
        return MainLoop::FrameStart::Leave;
    screenChangeRequested = false;
    return MainLoop::FrameStart::ScreenChanged;
}

void GameRuntime::step(double seconds) {
    if (!InputManager::getSingleton().poll())
        running = false;
    MasterProcessManager::getSingleton().updateProcess(seconds);
}

void GameRuntime::draw() {
    if (!renderingEnabled || !VideoManager::getSingletonPtr())
        return;
    glClear(GL_COLOR_BUFFER_BIT);
    if (currentRenderManager)
        currentRenderManager->render();
    SDL_GL_SwapBuffers();
}

void GameRuntime::requestStoryLevel(unsigned index) {
    currentStoryLevel = index;
    nextGameMode = State::StoryLevel;
    screenChangeRequested = true;
}

MainLoop::Hooks GameRuntime::loopHooks() {
    MainLoop::Hooks hooks;
    hooks.ticks = [] { return SDL_GetTicks(); };
    hooks.delay = [](std::uint32_t ms) { SDL_Delay(ms); };
    hooks.keepRunning = [] { return running && !quitRequested; };
    hooks.prepareFrame = [this] { return prepareFrame(); };
    hooks.step = [this](double seconds) { step(seconds); };
    hooks.draw = [this] { draw(); };
    hooks.entityCount = [] {
        return currentScene ? static_cast<std::uint32_t>(currentScene->getEntities().size()) : 0u;
    };
    hooks.reportFps = [](double fps) { std::cout << "FPS: " << fps << std::endl; };
    return hooks;
}

void GameRuntime::runMainLoop() {
    running = true;
    loop = std::make_unique<MainLoop>(loopHooks());
    loop->run();
}

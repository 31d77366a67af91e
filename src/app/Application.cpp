#include "app/Application.h"

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
#include <memory>
#include <sstream>

namespace {

// Everything main creates, so that a failure part-way through can still shut down in order.
// The texture and font managers belong to the video manager, the clip and stream managers to the
// audio manager: their owners delete them.
struct Engine {
    std::unique_ptr<LogManager> logs;
    bool sdlStarted = false;
    std::unique_ptr<MasterProcessManager> master;
    std::unique_ptr<InputManager> input;
    std::unique_ptr<VideoManager> video;
    std::unique_ptr<AudioManager> audio;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<EventScriptManager> eventScripts;
    std::unique_ptr<AnimationSequenceManager> animationSequences;
    std::unique_ptr<ComponentFactory> componentFactory;
    std::unique_ptr<EventFactory> eventFactory;
    std::unique_ptr<MainLoop> loop;
    std::unique_ptr<LevelList> levelList;
};

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

// Drops whatever only the old screen used: first unload, then forget.
void releaseUnusedResources() {
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

void stepSimulation(double seconds) {
    if (!InputManager::getSingleton().poll())
        running = false;
    MasterProcessManager::getSingleton().updateProcess(seconds);
}

void drawFrame() {
    if (!VideoManager::getSingletonPtr())
        return;
    glClear(GL_COLOR_BUFFER_BIT);
    if (currentRenderManager)
        currentRenderManager->render();
    if (VideoManager::getSingletonPtr())
        SDL_GL_SwapBuffers();
}

MainLoop::Hooks loopHooks() {
    MainLoop::Hooks hooks;
    hooks.ticks = [] { return SDL_GetTicks(); };
    hooks.delay = [](std::uint32_t ms) { SDL_Delay(ms); };
    hooks.keepRunning = [] { return running && !quitRequested; };
    hooks.prepareFrame = [] {
        if (!screenChangeRequested)
            return MainLoop::FrameStart::Continue;
        changeScreen();
        releaseUnusedResources();
        if (!currentScene)
            return MainLoop::FrameStart::Leave;
        screenChangeRequested = false;
        return MainLoop::FrameStart::ScreenChanged;
    };
    hooks.step = stepSimulation;
    hooks.draw = [] {
        if (renderingEnabled)
            drawFrame();
    };
    hooks.entityCount = [] {
        return currentScene ? static_cast<std::uint32_t>(currentScene->getEntities().size()) : 0u;
    };
    hooks.reportFps = [](double fps) { std::cout << "FPS: " << fps << std::endl; };
    return hooks;
}

// Returns false when SDL could not start.
bool startUp(Engine& engine, const VideoMode& mode) {
    engine.logs = std::make_unique<LogManager>();
    engine.logs->openLog("VantorixLog.txt", 1, true, true);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        logDefault(std::string("Couldn't initialize SDL: ") + SDL_GetError(), 2);
        return false;
    }
    engine.sdlStarted = true;
    setCaptionAndIcon();
    engine.master = std::make_unique<MasterProcessManager>();
    engine.input = std::make_unique<InputManager>();
    engine.video = std::make_unique<VideoManager>(mode);
    new TextureManager();
    new FontManager();
    engine.audio = std::make_unique<AudioManager>();
    engine.master->addProcess(engine.audio.get());
    engine.xmlFiles = std::make_unique<XmlFileManager>();
    engine.xmlFiles->registerElementType("LevelList");
    engine.entityTemplates = std::make_unique<EntityTemplateManager>();
    engine.sceneTemplates = std::make_unique<SceneTemplateManager>();
    engine.eventScripts = std::make_unique<EventScriptManager>();
    engine.animationSequences = std::make_unique<AnimationSequenceManager>();
    engine.animationSequences->registerSequenceType("StripSequence", StripSequence());
    setGroupVolume((new AudioClipManager())->getChannelGroup(), 0.45f);
    setGroupVolume((new AudioStreamManager())->getChannelGroup(), 0.9f);
    engine.componentFactory = std::make_unique<ComponentFactory>();
    registerComponentTypes(*engine.componentFactory);
    engine.eventFactory = std::make_unique<EventFactory>();
    registerEventTypes(*engine.eventFactory);
    engine.input->addListener(static_cast<MouseListener*>(&mainListener));
    engine.input->addListener(static_cast<KeyListener*>(&mainListener));
    engine.input->addListener(static_cast<WindowListener*>(&mainListener));
    engine.levelList = std::make_unique<LevelList>("VantorixMain");
    engine.levelList->setFileName(levelListFile);
    engine.levelList->load();
    levelList = engine.levelList.get();
    currentStoryLevel = levelList->getStartingLevel();
    return true;
}

void writeStatistics(const Engine& engine) {
    if (!engine.loop)
        return;
    double runTime = (SDL_GetTicks() - engine.loop->getRunStart()) / 1000.0;
    logDefault(engine.loop->getStats().report(), 1);
    std::ostringstream summary;
    summary << "Total run time: " << runTime
            << " Total Frame Count: " << engine.loop->getStats().frameCount() << "\n";
    logDefault(summary.str(), 2);
}

// Destroys whatever exists, in the fixed shut-down order.
void shutDown(Engine& engine) {
    levelList = nullptr;
    engine.levelList.reset();
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
    if (engine.sceneTemplates)
        engine.sceneTemplates->unloadAll();
    if (engine.entityTemplates)
        engine.entityTemplates->unloadAll();
    engine.animationSequences.reset();
    engine.eventScripts.reset();
    engine.sceneTemplates.reset();
    engine.entityTemplates.reset();
    engine.xmlFiles.reset();
    engine.componentFactory.reset();
    engine.eventFactory.reset();
    engine.audio.reset();
    engine.video.reset();
    engine.input.reset();
    engine.master.reset();
    writeStatistics(engine);
    if (engine.sdlStarted)
        SDL_Quit();
    engine.sdlStarted = false;
    engine.logs.reset();
}

} // namespace

int runApplication(int argc, char* argv[]) {
    VideoMode settings = defaultVideoMode();
    if (!parseCommandLine(argc, argv, settings)) {
        std::cout << usageText(argc > 0 ? argv[0] : "vantorix") << std::flush;
        return -1;
    }
    Engine engine;
    try {
        if (!startUp(engine, settings)) {
            engine.logs.reset();
            return -1;
        }
        running = true;
        engine.loop = std::make_unique<MainLoop>(loopHooks());
        engine.loop->run();
        shutDown(engine);
        return 0;
    } catch (const std::exception& error) {
        // Report, then shut down in order rather than abort with unflushed logs.
        std::cerr << "Vantorix: " << error.what() << std::endl;
        logDefault(error.what(), 2);
        try {
            shutDown(engine);
        } catch (const std::exception& second) {
            std::cerr << "Vantorix: " << second.what() << std::endl;
        }
        return 1;
    }
}

#include "core/Application.h"

#include "core/CommandLine.h"
#include "core/ComponentFactory.h"
#include "core/EventFactory.h"
#include "core/GameGlobals.h"
#include "core/LogManager.h"
#include "core/MainLoop.h"
#include "core/MasterProcessManager.h"
#include "core/TypeRegistry.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"
#include "world/XmlFileManager.h"

#include <GL/gl.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <iostream>
#include <memory>
#include <sstream>

namespace {

// Everything main creates, so that a failure part-way through can still shut down in order.
struct Engine {
    std::unique_ptr<LogManager> logs;
    bool sdlStarted = false;
    std::unique_ptr<MasterProcessManager> master;
    // Deletes the texture manager when it goes.
    std::unique_ptr<VideoManager> video;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<ComponentFactory> componentFactory;
    std::unique_ptr<EventFactory> eventFactory;
    std::unique_ptr<MainLoop> loop;
};

void setCaptionAndIcon() {
    SDL_WM_SetCaption("Vantorix", "Vantorix");
    // The icon must be set before the video mode, as SDL 1.2 requires.
    if (SDL_Surface* icon = IMG_Load("data/images/Spaceship.png")) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

// Tears down the current screen and builds the next one. No screen can be built yet, so the
// loop ends on its first frame.
void changeScreen() {}

void stepSimulation(double seconds) {
    MasterProcessManager::getSingleton().updateProcess(seconds);
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
        if (!currentScene)
            return MainLoop::FrameStart::Leave;
        screenChangeRequested = false;
        return MainLoop::FrameStart::ScreenChanged;
    };
    hooks.step = stepSimulation;
    hooks.draw = [] {
        if (!renderingEnabled || !VideoManager::getSingletonPtr())
            return;
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapBuffers();
    };
    hooks.entityCount = [] { return std::uint32_t(0); };
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
    engine.video = std::make_unique<VideoManager>(mode);
    new TextureManager();
    engine.xmlFiles = std::make_unique<XmlFileManager>();
    engine.xmlFiles->registerElementType("LevelList");
    engine.componentFactory = std::make_unique<ComponentFactory>();
    registerComponentTypes(*engine.componentFactory);
    engine.eventFactory = std::make_unique<EventFactory>();
    registerEventTypes(*engine.eventFactory);
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
    engine.xmlFiles.reset();
    engine.componentFactory.reset();
    engine.eventFactory.reset();
    engine.video.reset();
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

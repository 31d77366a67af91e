#pragma once

#include "app/MainLoop.h"

#include <cstdint>
#include <memory>

class AnimationSequenceManager;
class AudioManager;
class ComponentFactory;
class EntityTemplateManager;
class EventFactory;
class EventScriptManager;
class InputManager;
class LevelList;
class LogManager;
class MasterProcessManager;
class SceneTemplateManager;
class VideoManager;
class XmlFileManager;
struct VideoMode;

// Everything the game creates at start-up, owned in one place so that the game itself and the
// tools that drive it (replays, soaks, benchmarks) start, run frames and shut down the same way,
// and so that a failure part-way through can still shut down in order. The texture and font
// managers belong to the video manager, the clip and stream managers to the audio manager: their
// owners delete them.
class GameRuntime {
public:
    GameRuntime();
    ~GameRuntime();
    GameRuntime(const GameRuntime&) = delete;
    GameRuntime& operator=(const GameRuntime&) = delete;

    // Creates every manager and loads the level list; false when SDL could not start (logged).
    // Data problems are logged, never thrown; an engine failure throws.
    bool startUp(const VideoMode& mode);
    // Destroys whatever exists, in the fixed shut-down order; safe after a partial start-up.
    void shutDown();

    // The pieces of one frame, as the main loop calls them.
    MainLoop::FrameStart prepareFrame();
    void step(double seconds);
    void draw();

    // Asks for story level `index` at the next prepareFrame, as the menu does when its line is
    // picked.
    void requestStoryLevel(unsigned index);

    // Hooks for a MainLoop that paces these pieces in real time.
    MainLoop::Hooks loopHooks();
    // Runs the paced main loop until the game quits.
    void runMainLoop();

private:
    void writeStatistics() const;

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
    std::unique_ptr<LevelList> ownedLevelList;
};

#include "app/MainListener.h"

#include "app/GameFlow.h"
#include "app/GameGlobals.h"
#include "app/LevelList.h"
#include "presentation/AudioManager.h"
#include "presentation/Camera.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/TemplateInstantiationActionEvent.h"

#include <SDL/SDL.h>

#include <iostream>

MainListener mainListener;

namespace {
const char* const pauseTextName = "PauseTextDisplay";

void suspendAudio(bool suspended) {
    if (AudioManager* audio = AudioManager::getSingletonPtr())
        audio->setSuspended(suspended);
}

void pauseScene(bool paused) {
    if (currentScene)
        currentScene->setPaused(paused, 0.0);
}

bool finishScreenFollows() {
    return levelList && currentStoryLevel < levelList->getNumStoryLevels() &&
           levelList->getStoryLevelFinishScreen(currentStoryLevel);
}

void requestScreen(State next) {
    nextGameMode = next;
    screenChangeRequested = true;
}
} // namespace

void MainListener::keyPressed(const KeyEventPtr& event) {
    switch (event->getKey()) {
    case SDLK_ESCAPE:
        if (gameMode == State::MainMenu) {
            quitRequested = true;
            return;
        }
        forgetCounters();
        requestScreen(State::MainMenu);
        return;
    case SDLK_PRINT:
        if (VideoManager* video = VideoManager::getSingletonPtr())
            video->takeScreenshot("screenshot.bmp");
        return;
    case SDLK_p:
        if (gameMode == State::StoryLevel && currentScene)
            togglePause(event->getTime());
        return;
    case SDLK_RETURN:
        if (gameMode == State::StoryLevel && !finishScreenFollows()) {
            ++currentStoryLevel;
            bool more = levelList && currentStoryLevel < levelList->getNumStoryLevels();
            requestScreen(more ? State::StoryLevel : State::MainMenu);
        } else if (gameMode == State::LevelFinish) {
            requestScreen(State::StoryLevel);
        }
        return;
    default:
        return;
    }
}

void MainListener::togglePause(double time) {
    bool pausing = !currentScene->isPaused();
    suspendAudio(pausing);
    pauseScene(pausing);
    if (!pausing) {
        if (Entity* text = currentScene->findEntity(pauseTextName))
            currentScene->removeEntity(text);
        return;
    }
    if (SceneTemplateManager::getSingletonPtr() && !currentScene->findEntity(pauseTextName)) {
        auto* request = new TemplateInstantiationActionEvent(
            TemplateInstantiationActionEvent::Kind::Entity, pauseTextName, time);
        request->file = guiTemplatesFile;
        // Named, so that resuming finds it again and a second pause does not stack another.
        request->name = pauseTextName;
        request->parent = "MainCamera";
        currentScene->sendEvent(EventPtr(request));
    }
    // Runs the paused scene once so that the text is placed and drawn.
    currentScene->updateProcess(0.0);
}

void MainListener::mouseButtonPressed(const MouseEventPtr& event) {
    if (!currentScene)
        return;
    Entity* cameraEntity = currentScene->findEntity("MainCamera");
    auto* camera = cameraEntity ? cameraEntity->getComponent<Camera>(Camera::typeName()) : nullptr;
    if (!camera || !VideoManager::getSingletonPtr())
        return;
    Vector2 point = camera->screenToWorld(static_cast<unsigned>(event->getX()),
                                          static_cast<unsigned>(event->getY()));
    std::cout << "click position: " << point << std::endl;
}

void MainListener::windowMinimized(const WindowEventPtr&) {
    renderingEnabled = false;
    suspendAudio(true);
    pauseScene(true);
}

void MainListener::windowRestored(const WindowEventPtr&) {
    renderingEnabled = true;
    if (TextureManager* textures = TextureManager::getSingletonPtr())
        textures->reloadAll();
    // A level stays paused until the player presses P.
    if (gameMode == State::StoryLevel)
        return;
    suspendAudio(false);
    pauseScene(false);
}

void MainListener::inputFocusLost(const WindowEventPtr&) {
    if (gameMode != State::StoryLevel)
        return;
    suspendAudio(true);
    pauseScene(true);
}

void MainListener::endLevel(const LevelActionEventPtr&) {
    // A second ending before the change is made (a clearing trigger and a time limit in the same
    // step) would skip the next level.
    if (screenChangeRequested)
        return;
    screenChangeRequested = true;
    if (gameMode == State::StoryLevel) {
        if (finishScreenFollows()) {
            if (currentScene)
                recordLevelResults(*currentScene, currentStoryLevel);
            ++currentStoryLevel;
            nextGameMode = State::LevelFinish;
        } else {
            ++currentStoryLevel;
            nextGameMode = State::StoryLevel;
        }
    } else if (gameMode == State::LevelFinish) {
        nextGameMode = State::StoryLevel;
    }
    forgetCounters();
}

void MainListener::resetLevel(const LevelActionEventPtr&) {
    if (screenChangeRequested)
        return;
    forgetCounters();
    requestScreen(State::StoryLevel);
}

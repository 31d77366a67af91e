#pragma once

#include "app/State.h"

#include <cstdint>
#include <string>

// Game-flow state shared by the main loop and the screen flow. Touched only on the main thread.
class Entity;
class LevelList;
class SceneManager;
class RenderManager;
class PhysicsManager;

// What the results screen shows of the level just finished.
struct LevelResults {
    std::string levelName;
    unsigned enemiesDestroyed = 0;
    unsigned powerUpsCollected = 0;
    double roundTime = 0.0;
    std::int32_t points = 0;
};

extern bool running;
extern bool quitRequested;
extern bool screenChangeRequested;
extern bool renderingEnabled;
extern State gameMode;
extern State nextGameMode;
extern SceneManager* currentScene;
extern RenderManager* currentRenderManager;
extern PhysicsManager* currentPhysicsManager;
extern unsigned currentStoryLevel;
extern LevelList* levelList;
// The menu scene, kept alive (and running, unseen) while a help screen is shown; null otherwise.
extern SceneManager* savedMenuScene;
// The entities carrying the running level's "Enemy" and "PowerUp" removal counters; null outside
// a level. Held as entities so that a counter removed by the level's own data is noticed.
extern Entity* enemyCounter;
extern Entity* powerUpCounter;
extern LevelResults levelResults;

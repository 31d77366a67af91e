#include "app/GameGlobals.h"

bool running = false;
bool quitRequested = false;
// The first frame builds the first screen: the main menu.
bool screenChangeRequested = true;
bool renderingEnabled = true;
State gameMode = State::MainMenu;
State nextGameMode = State::MainMenu;
SceneManager* currentScene = nullptr;
RenderManager* currentRenderManager = nullptr;
PhysicsManager* currentPhysicsManager = nullptr;
unsigned currentStoryLevel = 0;
LevelList* levelList = nullptr;
SceneManager* savedMenuScene = nullptr;
Entity* enemyCounter = nullptr;
Entity* powerUpCounter = nullptr;
LevelResults levelResults;

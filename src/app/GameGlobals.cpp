#include "app/GameGlobals.h"

bool running = false;
bool quitRequested = false;
// The first frame builds the first screen.
bool screenChangeRequested = true;
bool renderingEnabled = true;
SceneManager* currentScene = nullptr;
RenderManager* currentRenderManager = nullptr;
PhysicsManager* currentPhysicsManager = nullptr;

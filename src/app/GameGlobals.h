#pragma once

// Game-flow state shared by the main loop and the screen flow. Touched only on the main thread.
class SceneManager;
class RenderManager;
class PhysicsManager;

extern bool running;
extern bool quitRequested;
extern bool screenChangeRequested;
extern bool renderingEnabled;
extern SceneManager* currentScene;
extern RenderManager* currentRenderManager;
extern PhysicsManager* currentPhysicsManager;

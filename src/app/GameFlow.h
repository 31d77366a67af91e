#pragma once

#include <cstdint>
#include <string>

class Entity;
class SceneManager;

// Where the game's own data lives.
extern const char* const levelListFile;
extern const char* const guiTemplatesFile;
extern const char* const menuFontFile;

// Tears down the current screen and builds the one nextGameMode asks for. Every screen that
// cannot be built gives the main menu instead. Called by the main loop between frames.
void changeScreen();

// The menu into the given scene: ping, camera, background, texts and items, music.
void buildMainMenu(SceneManager& scene);
// Story level currentStoryLevel into the scene with its two removal counters; false (scene
// untouched) when that level does not exist or its template does not load.
bool startStoryLevel(SceneManager& scene);
// The results of levelResults into the scene; false when there is no results screen template.
bool buildResultsScreen(SceneManager& scene);

// points plus floor(600000 / roundTime) for a positive round time, computed wide and clamped to
// the 32-bit range: a time just above zero would otherwise overflow.
std::int32_t totalScore(std::int32_t points, double roundTime);

// Records the running level's results (name, counts, time, score) into levelResults.
void recordLevelResults(SceneManager& scene, unsigned storyIndex);
// Forgets the running level's counters.
void forgetCounters();

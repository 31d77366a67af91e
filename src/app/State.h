#pragma once

#include <string>

// The kinds of screen the game moves between; the value is the index the level list and the
// game flow use. IntroScene, LevelSelect and the two arcade kinds are read from the data but no
// path of the game shows them.
enum class State : unsigned {
    MainMenu = 0,
    IntroScene = 1,
    ControlHelp = 2,
    PowerUpHelp = 3,
    LevelSelect = 4,
    LevelFinish = 5,
    StoryLevel = 6,
    StaticArcade = 7,
    ScrollingArcade = 8,
};

constexpr unsigned stateCount = 9;

// "MainMenu", "ControlHelp", ...: the element names of the level list.
const std::string& stateName(State state);

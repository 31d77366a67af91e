#pragma once

#include <string>

// One thing a player does at the keyboard or mouse in a scripted run: a key going down or up, or
// a mouse click (press and release) at a window pixel, top-left origin. It reaches the game as
// real SDL events, so it takes the same path as a player's input.
struct InputAction {
    enum class Kind { KeyDown, KeyUp, Click };
    enum class Button { Left, Right };

    Kind kind = Kind::KeyDown;
    int key = 0; // an SDL key symbol, for KeyDown and KeyUp
    int x = 0, y = 0;
    Button button = Button::Left;

    static InputAction keyDown(int key) { return {Kind::KeyDown, key, 0, 0, Button::Left}; }
    static InputAction keyUp(int key) { return {Kind::KeyUp, key, 0, 0, Button::Left}; }
    static InputAction click(int x, int y, Button button = Button::Left) {
        return {Kind::Click, 0, x, y, button};
    }

    // Reads the text form without the step: "down w", "up lctrl", "click 160 120 [left|right]",
    // key names as keyByName takes them; false with a reason when the text is not one.
    static bool fromText(const std::string& text, InputAction& action, std::string& reason);

    // The SDL key symbol of a name the timelines use ("w", "space", "lshift", "lctrl",
    // "return"...), or 0 when the name is not one of them.
    static int keyByName(const std::string& name);

    // Puts the action's SDL events on SDL's queue; false when the queue is full.
    bool push() const;

    bool operator==(const InputAction& other) const;
};

#pragma once

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// SDL's event queue, emptied before each test, on the dummy video driver if none is running.
class SdlEventQueue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        startedHere = !SDL_WasInit(SDL_INIT_VIDEO);
        if (!startedHere)
            return;
        const char* previous = std::getenv("SDL_VIDEODRIVER");
        std::string kept = previous ? previous : "";
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        int failed = SDL_InitSubSystem(SDL_INIT_VIDEO);
        if (previous)
            setenv("SDL_VIDEODRIVER", kept.c_str(), 1);
        else
            unsetenv("SDL_VIDEODRIVER");
        if (failed)
            FAIL() << "SDL video: " << SDL_GetError();
    }
    static void TearDownTestSuite() {
        if (startedHere)
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    void SetUp() override {
        for (SDL_Event stale; SDL_PollEvent(&stale);) {
        }
    }

    static void pushKey(SDLKey key, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
    static void pushButton(Uint8 button, bool down, Uint16 x, Uint16 y) {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void pushMotion(Uint16 x, Uint16 y, Sint16 relativeX, Sint16 relativeY) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        event.motion.xrel = relativeX;
        event.motion.yrel = relativeY;
        SDL_PushEvent(&event);
    }
    static void pushActivity(Uint8 state, bool gain) {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.gain = gain ? 1 : 0;
        event.active.state = state;
        SDL_PushEvent(&event);
    }
    static void pushType(Uint8 type) {
        SDL_Event event{};
        event.type = type;
        SDL_PushEvent(&event);
    }

private:
    static inline bool startedHere = false;
};

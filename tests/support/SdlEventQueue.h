#pragma once

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Gives one test suite SDL's event queue and empties it before each test; helpers push
// synthetic events. When no one has started SDL's video yet, the suite starts it on the dummy
// driver, so it needs no display, and stops it again afterwards.
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
        SDL_Event stale;
        while (SDL_PollEvent(&stale))
            ;
    }

    static void pushKey(SDLKey key, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.type = event.type;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
    static void pushButton(Uint8 button, bool down, Uint16 x, Uint16 y) {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.type = event.type;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void pushMotion(Uint16 x, Uint16 y, Sint16 relativeX, Sint16 relativeY) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        event.motion.xrel = relativeX;
        event.motion.yrel = relativeY;
        SDL_PushEvent(&event);
    }
    static void pushActivity(Uint8 state, bool gain) {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.type = SDL_ACTIVEEVENT;
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

#include "core/InputManager.h"

#include "core/KeyEvent.h"
#include "core/MouseEvent.h"
#include "core/WindowEvent.h"

#include <SDL/SDL_keyboard.h>

unsigned InputManager::eventMask = 0;

InputManager::InputManager() {
    SDL_EnableKeyRepeat(0, 0);
    eventMask = Keyboard | Mouse | WindowActivity | Joystick;
    SDL_SetEventFilter(&InputManager::filterEvent);
}

InputManager::~InputManager() {
    SDL_SetEventFilter(nullptr);
}

int SDLCALL InputManager::filterEvent(const SDL_Event* event) {
    switch (event->type) {
    case SDL_ACTIVEEVENT:
        return (eventMask & WindowActivity) ? 1 : 0;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return (eventMask & Keyboard) ? 1 : 0;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return (eventMask & Mouse) ? 1 : 0;
    case SDL_JOYAXISMOTION:
    case SDL_JOYBALLMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return (eventMask & Joystick) ? 1 : 0;
    case SDL_QUIT:
        return 1;
    default:
        return 0;
    }
}

bool InputManager::poll(double time) {
    bool quit = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_ACTIVEEVENT:
            deliverActivity(event.active, time);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            sendEvent(EventPtr(new KeyEvent(event.key.keysym.sym, event.type, time)));
            break;
        case SDL_MOUSEMOTION:
            sendEvent(EventPtr(new MouseEvent(MouseEvent::Moved, event.motion.x, event.motion.y,
                                              event.motion.xrel, event.motion.yrel, 0, time)));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            auto kind = event.type == SDL_MOUSEBUTTONDOWN ? MouseEvent::ButtonPressed
                                                          : MouseEvent::ButtonReleased;
            sendEvent(EventPtr(new MouseEvent(kind, event.button.x, event.button.y, 0, 0,
                                              event.button.button, time)));
            break;
        }
        case SDL_QUIT:
            quit = true;
            break;
        default:
            break;
        }
    }
    return !quit;
}

// One SDL activity event may carry several state bits; each becomes its own window event.
void InputManager::deliverActivity(const SDL_ActiveEvent& activity, double time) {
    static const struct {
        Uint8 stateBit;
        int gainKind;
    } order[] = {{SDL_APPACTIVE, WindowEvent::Restored},
                 {SDL_APPINPUTFOCUS, WindowEvent::InputFocusGained},
                 {SDL_APPMOUSEFOCUS, WindowEvent::MouseFocusGained}};
    for (const auto& entry : order) {
        if (activity.state & entry.stateBit) {
            int kind = activity.gain ? entry.gainKind : entry.gainKind + 1;
            sendEvent(EventPtr(new WindowEvent(kind, time)));
        }
    }
}

#pragma once

#include "core/LocalEventDispatcher.h"
#include "core/Singleton.h"

#include <SDL/SDL_events.h>

// Turns SDL's event queue into key, mouse and window events, delivered at once to the
// listeners in the order they were added. Anybody may listen; only the input manager sends.
// Needs SDL's video subsystem for polling; construction and destruction need none.
class InputManager : public ProtectedEventDispatcher, public Singleton<InputManager> {
public:
    // Bits of the category mask: which kinds of SDL event are let into the queue at all.
    enum Category : unsigned { Keyboard = 1, Mouse = 2, WindowActivity = 4, Joystick = 8 };

    // Turns key repeat off, so a held key gives one press and one release, and installs the
    // event filter.
    InputManager();
    // Removes the event filter.
    ~InputManager() override;

    // Empties SDL's queue, delivering every event before reading the next one. Every event made
    // carries the given time stamp. False when the user asked to close the window.
    bool poll(double time = 0.0);

    static unsigned getEventMask() { return eventMask; }
    // What the installed filter decides for one SDL event: 1 keep, 0 drop.
    static int SDLCALL filterEvent(const SDL_Event* event);

private:
    void deliverActivity(const SDL_ActiveEvent& activity, double time);

    static unsigned eventMask;
};

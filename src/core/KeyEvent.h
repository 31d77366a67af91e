#pragma once

#include "core/Event.h"

#include <boost/shared_ptr.hpp>

// A key went down (state 2, SDL_KEYDOWN) or up (state 3, SDL_KEYUP). key is the SDL key symbol.
class KeyEvent : public Event {
public:
    KeyEvent(int key, int state, double time = 0.0)
        : Event(EventType::Key, time), key(key), state(state) {}

    int getKey() const { return key; }
    int getState() const { return state; }

private:
    int key;
    int state;
};

typedef boost::shared_ptr<KeyEvent> KeyEventPtr;

#pragma once

#include "core/EventListener.h"
#include "core/KeyEvent.h"

#include <SDL/SDL_events.h>
#include <boost/pointer_cast.hpp>

// Handlers do nothing unless overridden.
class KeyListener : public EventListener {
public:
    KeyListener() : EventListener(EventType::Key) {}

    void handleEvent(const EventPtr& event) override {
        KeyEventPtr keyEvent = boost::dynamic_pointer_cast<KeyEvent>(event);
        if (!keyEvent)
            return;
        if (keyEvent->getState() == SDL_KEYDOWN)
            keyPressed(keyEvent);
        else
            keyReleased(keyEvent);
    }

    virtual void keyPressed(const KeyEventPtr&) {}
    virtual void keyReleased(const KeyEventPtr&) {}
};

#pragma once

#include "core/EventListener.h"
#include "core/MouseEvent.h"

#include <boost/pointer_cast.hpp>

// Handlers do nothing unless overridden.
class MouseListener : public EventListener {
public:
    MouseListener() : EventListener(EventType::Mouse) {}

    void handleEvent(const EventPtr& event) override {
        MouseEventPtr mouseEvent = boost::dynamic_pointer_cast<MouseEvent>(event);
        if (!mouseEvent)
            return;
        switch (mouseEvent->getKind()) {
        case MouseEvent::ButtonPressed:
            mouseButtonPressed(mouseEvent);
            break;
        case MouseEvent::ButtonReleased:
            mouseButtonReleased(mouseEvent);
            break;
        case MouseEvent::Moved:
            mouseMoved(mouseEvent);
            break;
        }
    }

    virtual void mouseButtonPressed(const MouseEventPtr&) {}
    virtual void mouseButtonReleased(const MouseEventPtr&) {}
    virtual void mouseMoved(const MouseEventPtr&) {}
};

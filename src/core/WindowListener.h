#pragma once

#include "core/EventListener.h"
#include "core/WindowEvent.h"

#include <boost/pointer_cast.hpp>

// Every handler does nothing unless overridden, since most listeners care about one or two.
class WindowListener : public EventListener {
public:
    WindowListener() : EventListener(EventType::Window) {}

    void handleEvent(const EventPtr& event) override {
        WindowEventPtr windowEvent = boost::dynamic_pointer_cast<WindowEvent>(event);
        if (!windowEvent)
            return;
        switch (windowEvent->getKind()) {
        case WindowEvent::Restored:
            windowRestored(windowEvent);
            break;
        case WindowEvent::Minimized:
            windowMinimized(windowEvent);
            break;
        case WindowEvent::InputFocusGained:
            inputFocusGained(windowEvent);
            break;
        case WindowEvent::InputFocusLost:
            inputFocusLost(windowEvent);
            break;
        case WindowEvent::MouseFocusGained:
            mouseFocusGained(windowEvent);
            break;
        case WindowEvent::MouseFocusLost:
            mouseFocusLost(windowEvent);
            break;
        default:
            break;
        }
    }

    virtual void windowMinimized(const WindowEventPtr&) {}
    virtual void windowRestored(const WindowEventPtr&) {}
    virtual void inputFocusGained(const WindowEventPtr&) {}
    virtual void inputFocusLost(const WindowEventPtr&) {}
    virtual void mouseFocusGained(const WindowEventPtr&) {}
    virtual void mouseFocusLost(const WindowEventPtr&) {}
};

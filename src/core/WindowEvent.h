#pragma once

#include "core/Event.h"

#include <boost/shared_ptr.hpp>

// A change of the window's activity or focus. Each gain has an even kind and the matching loss
// the next odd one.
class WindowEvent : public Event {
public:
    enum Kind {
        Restored = 0,
        Minimized = 1,
        InputFocusGained = 2,
        InputFocusLost = 3,
        MouseFocusGained = 4,
        MouseFocusLost = 5
    };

    explicit WindowEvent(int kind, double time = 0.0)
        : Event(EventType::Window, time), kind(kind) {}

    int getKind() const { return kind; }

private:
    int kind;
};

typedef boost::shared_ptr<WindowEvent> WindowEventPtr;

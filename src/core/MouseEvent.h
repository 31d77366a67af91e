#pragma once

#include "core/Event.h"

#include <boost/shared_ptr.hpp>

// A mouse button went down or up, or the pointer moved. Positions are window pixels with y
// downwards, as SDL reports them.
class MouseEvent : public Event {
public:
    enum Kind { ButtonPressed = 0, ButtonReleased = 1, Moved = 2 };

    MouseEvent(Kind kind, int x, int y, int relativeX, int relativeY, int button, double time = 0.0)
        : Event(EventType::Mouse, time), kind(kind), x(x), y(y), relativeX(relativeX),
          relativeY(relativeY), button(button) {}

    Kind getKind() const { return kind; }
    int getX() const { return x; }
    int getY() const { return y; }
    // Zero for button events.
    int getRelativeX() const { return relativeX; }
    int getRelativeY() const { return relativeY; }
    // 1 left, 2 middle, 3 right; 0 for motion.
    int getButton() const { return button; }

private:
    Kind kind;
    int x;
    int y;
    int relativeX;
    int relativeY;
    int button;
};

typedef boost::shared_ptr<MouseEvent> MouseEventPtr;

#pragma once

#include "core/Event.h"

class Collidable;

// Asks the physics manager of the scene to test one collidable against all others at once,
// outside the physics step. A collidable that has since left the physics manager is ignored.
class CheckCollidableActionEvent : public Event {
public:
    explicit CheckCollidableActionEvent(Collidable* collidable, double time = 0.0)
        : Event(EventType::CheckCollidableAction, time), collidable(collidable) {}

    Collidable* getCollidable() const { return collidable; }

private:
    Collidable* collidable;
};

typedef boost::shared_ptr<CheckCollidableActionEvent> CheckCollidableActionEventPtr;

#pragma once

#include "core/EventListener.h"
#include "physics/CollidableEvent.h"

// Turns collision events into started and ended calls.
class CollidableListener : public EventListener {
public:
    CollidableListener() : EventListener(EventType::Collidable) {}
    void handleEvent(const EventPtr& event) override {
        auto collision = boost::static_pointer_cast<CollidableEvent>(event);
        if (collision->hasEnded())
            collisionEnded(collision);
        else
            collisionStarted(collision);
    }
    virtual void collisionStarted(const CollidableEventPtr& event) = 0;
    virtual void collisionEnded(const CollidableEventPtr& /*event*/) {}
};

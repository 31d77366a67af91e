#pragma once

#include "core/EventListener.h"
#include "gameplay/CountableObjectRemovalEvent.h"

// Hears the departures of countable objects from the scenes it is registered with.
class CountableObjectRemovalListener : public EventListener {
public:
    CountableObjectRemovalListener() : EventListener(EventType::CountableObjectRemoval) {}
    void handleEvent(const EventPtr& event) override {
        objectRemoved(boost::static_pointer_cast<CountableObjectRemovalEvent>(event));
    }
    virtual void objectRemoved(const CountableObjectRemovalEventPtr& event) = 0;
};

#pragma once

#include "core/Event.h"

#include <string>

// An object of the given kind left the scene this is sent to, at the scene's time given as the
// stamp.
class CountableObjectRemovalEvent : public Event {
public:
    CountableObjectRemovalEvent(const std::string& objectType, double time)
        : Event(EventType::CountableObjectRemoval, time), objectType(objectType) {}

    const std::string& getObjectType() const { return objectType; }

private:
    std::string objectType;
};

typedef boost::shared_ptr<CountableObjectRemovalEvent> CountableObjectRemovalEventPtr;

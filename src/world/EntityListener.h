#pragma once

#include "core/EventListener.h"
#include "world/EntityEvent.h"

#include <boost/pointer_cast.hpp>

// Hears EntityEvents and splits them by whether the component came or went.
class EntityListener : public EventListener {
public:
    EntityListener() : EventListener(EventType::Entity) {}

    void handleEvent(const EventPtr& event) override {
        EntityEventPtr entityEvent = boost::dynamic_pointer_cast<EntityEvent>(event);
        // Another class posing under this type code is not ours to interpret.
        if (!entityEvent)
            return;
        if (entityEvent->getRemoved() == 0)
            componentAttached(entityEvent);
        else
            componentDetached(entityEvent);
    }

    virtual void componentAttached(const EntityEventPtr& event) = 0;
    virtual void componentDetached(const EntityEventPtr& event) = 0;
};

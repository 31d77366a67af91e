#pragma once

#include "core/EventListener.h"
#include "world/SceneEvent.h"

#include <boost/pointer_cast.hpp>

// Hears SceneEvents and splits them into arrivals and departures.
class SceneListener : public EventListener {
public:
    SceneListener() : EventListener(EventType::Scene) {}

    void handleEvent(const EventPtr& event) override {
        SceneEventPtr sceneEvent = boost::dynamic_pointer_cast<SceneEvent>(event);
        // Another class posing under this type code is not ours to interpret.
        if (!sceneEvent)
            return;
        if (sceneEvent->getRemoved() == 0)
            entityEntered(sceneEvent);
        else
            entityLeft(sceneEvent);
    }

    virtual void entityEntered(const SceneEventPtr& event) = 0;
    virtual void entityLeft(const SceneEventPtr& event) = 0;
};

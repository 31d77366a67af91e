#pragma once

#include "core/EventListener.h"
#include "core/PlayerActionEvent.h"

#include <boost/pointer_cast.hpp>

// Handlers do nothing unless overridden.
class PlayerActionListener : public EventListener {
public:
    PlayerActionListener() : EventListener(EventType::PlayerAction) {}

    void handleEvent(const EventPtr& event) override {
        PlayerActionEventPtr actionEvent = boost::dynamic_pointer_cast<PlayerActionEvent>(event);
        if (!actionEvent)
            return;
        if (actionEvent->isActive())
            actionStarted(actionEvent);
        else
            actionStopped(actionEvent);
    }

    virtual void actionStarted(const PlayerActionEventPtr&) {}
    virtual void actionStopped(const PlayerActionEventPtr&) {}
};

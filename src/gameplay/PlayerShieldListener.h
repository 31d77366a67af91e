#pragma once

#include "core/EventListener.h"
#include "gameplay/PlayerShieldEvent.h"

// Hears the shield energy changes sent to the event managers it is registered with.
class PlayerShieldListener : public EventListener {
public:
    PlayerShieldListener() : EventListener(EventType::PlayerShield) {}
    void handleEvent(const EventPtr& event) override {
        shieldChanged(boost::static_pointer_cast<PlayerShieldEvent>(event));
    }
    virtual void shieldChanged(const PlayerShieldEventPtr& event) = 0;
};

#pragma once

#include "core/EventListener.h"
#include "gameplay/DamageableEvent.h"

// Hears the hit-point changes sent to the event managers it is registered with.
class DamageableListener : public EventListener {
public:
    DamageableListener() : EventListener(EventType::Damageable) {}
    void handleEvent(const EventPtr& event) override {
        healthChanged(boost::static_pointer_cast<DamageableEvent>(event));
    }
    virtual void healthChanged(const DamageableEventPtr& event) = 0;
};

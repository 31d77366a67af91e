#pragma once

#include "core/EventListener.h"
#include "physics/CollidableLineEvent.h"

class CollidableLineListener : public EventListener {
public:
    CollidableLineListener() : EventListener(EventType::CollidableLine) {}
    void handleEvent(const EventPtr& event) override {
        lineCrossed(boost::static_pointer_cast<CollidableLineEvent>(event));
    }
    virtual void lineCrossed(const CollidableLineEventPtr& event) = 0;
};

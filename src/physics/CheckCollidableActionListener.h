#pragma once

#include "core/EventListener.h"
#include "physics/CheckCollidableActionEvent.h"

class CheckCollidableActionListener : public EventListener {
public:
    CheckCollidableActionListener() : EventListener(EventType::CheckCollidableAction) {}
    void handleEvent(const EventPtr& event) override {
        checkCollidableAction(boost::static_pointer_cast<CheckCollidableActionEvent>(event));
    }
    virtual void checkCollidableAction(const CheckCollidableActionEventPtr& event) = 0;
};

#pragma once

#include "app/LevelActionEvent.h"
#include "core/Event.h"
#include "core/EventListener.h"

// Turns level actions into endLevel and resetLevel calls; both do nothing unless overridden.
class LevelActionListener : public EventListener {
public:
    LevelActionListener() : EventListener(EventType::LevelAction) {}

    void handleEvent(const EventPtr& event) override {
        LevelActionEventPtr action = boost::dynamic_pointer_cast<LevelActionEvent>(event);
        if (!action)
            return;
        if (action->getAction() == LevelActionEvent::Action::EndLevel)
            endLevel(action);
        else
            resetLevel(action);
    }

    virtual void endLevel(const LevelActionEventPtr&) {}
    virtual void resetLevel(const LevelActionEventPtr&) {}
};

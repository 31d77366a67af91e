#pragma once

#include "core/EventListener.h"
#include "gameplay/ScoreableEvent.h"

// Hears the score changes sent to the event managers it is registered with.
class ScoreableListener : public EventListener {
public:
    ScoreableListener() : EventListener(EventType::Scoreable) {}
    void handleEvent(const EventPtr& event) override {
        scoreChanged(boost::static_pointer_cast<ScoreableEvent>(event));
    }
    virtual void scoreChanged(const ScoreableEventPtr& event) = 0;
};

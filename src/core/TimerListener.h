#pragma once

#include "core/EventListener.h"
#include "core/TimerEvent.h"

// Hears every timer event sent to the event managers it is registered with, whatever its name.
class TimerListener : public EventListener {
public:
    TimerListener() : EventListener(EventType::Timer) {}
    void handleEvent(const EventPtr& event) override {
        timerExpired(boost::static_pointer_cast<TimerEvent>(event));
    }
    virtual void timerExpired(const boost::shared_ptr<TimerEvent>& event) = 0;
};

#pragma once

#include "core/Event.h"

#include <string>

// Sent when a Timer runs out; the name tells listeners which of their delays ended.
class TimerEvent : public Event {
public:
    TimerEvent(const std::string& name, double time) : Event(EventType::Timer, time), name(name) {}
    const std::string& getName() const { return name; }

private:
    std::string name;
};

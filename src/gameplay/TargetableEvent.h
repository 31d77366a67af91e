#pragma once

#include "core/Event.h"

#include <cstdint>
#include <string>

class Targetable;

// A Targetable entered (removed 0) or left (removed 1) a scene; sent through that scene. The
// component pointer is valid during delivery only, and may be mid-destruction when removed is 1.
class TargetableEvent : public Event {
public:
    TargetableEvent(const std::string& name, Targetable* targetable, std::uint32_t removed,
                    double time = 0.0)
        : Event(EventType::Targetable, time), name(name), targetable(targetable), removed(removed) {
    }

    const std::string& getName() const { return name; }
    Targetable* getTargetable() const { return targetable; }
    std::uint32_t getRemoved() const { return removed; }

private:
    std::string name;
    Targetable* targetable;
    std::uint32_t removed;
};

typedef boost::shared_ptr<TargetableEvent> TargetableEventPtr;

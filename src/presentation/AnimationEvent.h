#pragma once

#include "core/Event.h"

#include <cstdint>
#include <string>

// Tells the listeners of an entity that one of its animations started or reached its end.
class AnimationEvent : public Event {
public:
    enum Kind : std::int32_t { Started = 0, Ended = 1 };

    AnimationEvent(const std::string& animationName, Kind kind)
        : Event(EventType::Animation, 0.0), animationName(animationName), kind(kind) {}

    const std::string& getAnimationName() const { return animationName; }
    Kind getKind() const { return kind; }

private:
    std::string animationName;
    Kind kind;
};

#pragma once

#include "core/Event.h"

#include <cstdint>

class Entity;

// A pair of collidables began (ended 0) or stopped (ended 1) overlapping. Sent to both entities'
// event managers; the entity pointers are valid during delivery only.
class CollidableEvent : public Event {
public:
    CollidableEvent(Entity* first, Entity* second, std::uint32_t ended, double time = 0.0)
        : Event(EventType::Collidable, time), first(first), second(second), ended(ended) {}

    Entity* getFirst() const { return first; }
    Entity* getSecond() const { return second; }
    std::uint32_t getEnded() const { return ended; }
    bool hasEnded() const { return ended != 0; }
    // The entity of the pair that is not self (the first when both are self).
    Entity* getOther(const Entity* self) const { return first == self ? second : first; }

private:
    Entity* first;
    Entity* second;
    std::uint32_t ended;
};

typedef boost::shared_ptr<CollidableEvent> CollidableEventPtr;

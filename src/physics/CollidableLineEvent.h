#pragma once

#include "core/Event.h"

#include <cstdint>

class CollidableLine;
class Entity;

// The side of a line an entity's origin has just moved to, strictly.
enum LineCrossing : std::uint32_t {
    ToPositiveY = 0, // now above a horizontal (x) line
    ToNegativeY = 1, // now below a horizontal line
    ToPositiveX = 2, // now right of a vertical (y) line
    ToNegativeX = 3, // now left of a vertical line
};

// An entity with a collidable crossed a line. Pointers are valid during delivery only.
class CollidableLineEvent : public Event {
public:
    CollidableLineEvent(Entity* entity, CollidableLine* line, LineCrossing direction,
                        double time = 0.0)
        : Event(EventType::CollidableLine, time), entity(entity), line(line), direction(direction) {
    }

    Entity* getEntity() const { return entity; }
    CollidableLine* getLine() const { return line; }
    LineCrossing getDirection() const { return direction; }

private:
    Entity* entity;
    CollidableLine* line;
    LineCrossing direction;
};

typedef boost::shared_ptr<CollidableLineEvent> CollidableLineEventPtr;

#pragma once

#include "core/Event.h"

#include <cstdint>

class Entity;
class PlayingArea;

// The border of a playing area that was crossed; y grows upwards, so Top is the maximum y.
enum AreaSide : std::uint32_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// An entity's origin crossed a border of a playing area: left 1 when it went out, 0 when it came
// in. Pointers are valid during delivery only.
class PlayingAreaEvent : public Event {
public:
    PlayingAreaEvent(double time, Entity* entity, PlayingArea* area, std::uint32_t left,
                     AreaSide side)
        : Event(EventType::PlayingArea, time), entity(entity), area(area), left(left), side(side) {}

    Entity* getEntity() const { return entity; }
    PlayingArea* getArea() const { return area; }
    std::uint32_t getLeft() const { return left; }
    AreaSide getSide() const { return side; }

private:
    Entity* entity;
    PlayingArea* area;
    std::uint32_t left;
    AreaSide side;
};

typedef boost::shared_ptr<PlayingAreaEvent> PlayingAreaEventPtr;

#pragma once

#include "core/Event.h"

#include <boost/shared_ptr.hpp>

class Component;
class Entity;

// Announces that a component was attached to (removed 0) or detached from (removed 1) an
// entity. Sent through the entity's event manager and, while the entity is in a scene, through
// the scene's. The pointers are only safe to use during delivery.
class EntityEvent : public Event {
public:
    EntityEvent(Entity* entity, Component* component, int removed, double time = 0.0)
        : Event(EventType::Entity, time), entity(entity), component(component), removed(removed) {}

    Entity* getEntity() const { return entity; }
    Component* getComponent() const { return component; }
    int getRemoved() const { return removed; }

private:
    Entity* entity;
    Component* component;
    int removed;
};

typedef boost::shared_ptr<EntityEvent> EntityEventPtr;

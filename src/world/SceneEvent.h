#pragma once

#include "core/Event.h"

#include <boost/shared_ptr.hpp>

class Entity;
class SceneManager;

// Announces that an entity entered (removed 0) or left (removed 1) a scene. Sent through the
// entity's own event manager, then through the scene's.
class SceneEvent : public Event {
public:
    SceneEvent(SceneManager* manager, Entity* entity, int removed, double time = 0.0)
        : Event(EventType::Scene, time), manager(manager), entity(entity), removed(removed) {}

    SceneManager* getManager() const { return manager; }
    Entity* getEntity() const { return entity; }
    int getRemoved() const { return removed; }

private:
    SceneManager* manager;
    Entity* entity;
    int removed;
};

typedef boost::shared_ptr<SceneEvent> SceneEventPtr;

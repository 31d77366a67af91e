#pragma once

#include "world/EntityListener.h"
#include "world/SceneListener.h"

class Component;
class Entity;
class SceneManager;

// A system that tracks the entities and components of one scene (drawing, physics). It holds
// no ownership; it learns of arrivals and departures through the scene's events and must be
// disconnected (or destroyed) before the scene is.
class ComponentManager : public SceneListener, public EntityListener {
public:
    // Reports every entity already in the scene, then listens for changes.
    virtual void connect(SceneManager* scene);
    // Stops listening, then reports every entity in the scene as gone.
    virtual void disconnect(SceneManager* scene);

    virtual void componentAdded(Entity* entity, Component* component) = 0;
    virtual void entityAdded(Entity* entity) = 0;
    virtual void componentRemoved(Entity* entity, Component* component) = 0;
    virtual void entityRemoved(Entity* entity) = 0;

    void entityEntered(const SceneEventPtr& event) override;
    void entityLeft(const SceneEventPtr& event) override;
    void componentAttached(const EntityEventPtr& event) override;
    void componentDetached(const EntityEventPtr& event) override;
};

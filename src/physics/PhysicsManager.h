#pragma once

#include "core/Process.h"
#include "physics/CheckCollidableActionListener.h"
#include "physics/CollidableLine.h"
#include "physics/CollidableLineEvent.h"
#include "physics/ComponentSet.h"
#include "physics/ContactTracker.h"
#include "physics/Movable.h"
#include "world/ComponentManager.h"

#include <vector>

class Entity;

// Moves the movables of one scene and reports line crossings and the start and end of overlaps
// between collidables, as events sent at once to the entities involved. It owns none of the
// components it tracks; it must be disconnected from its scene (or destroyed) before the scene.
//
// Each step: line distances, motion, line crossings, contacts; every test of the step is done
// before any event is delivered, so what listeners do (move, add, destroy) affects the next step.
class PhysicsManager : public Process,
                       public ComponentManager,
                       public CheckCollidableActionListener {
public:
    typedef ContactTracker::PairSearch PairSearch;

    PhysicsManager() = default;

    // Also answers CheckCollidableActionEvents sent through the scene.
    void connect(SceneManager* scene) override;
    void disconnect(SceneManager* scene) override;

    // Movables are stepped only on top-level entities.
    void entityAdded(Entity* entity) override;
    void componentAdded(Entity* entity, Component* component) override;
    void entityRemoved(Entity* entity) override;
    void componentRemoved(Entity* entity, Component* component) override;

    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

    // Tests the collidable against every other at once and delivers what changed. Ignores a
    // collidable this manager does not track.
    void checkCollidable(Collidable* collidable);
    void checkCollidableAction(const CheckCollidableActionEventPtr& event) override;

    void setPairSearch(PairSearch search) { contacts.setPairSearch(search); }
    bool isTracking(const Movable* movable) const { return movables.contains(movable); }
    bool isTracking(const Collidable* collidable) const { return contacts.contains(collidable); }
    bool isTracking(const CollidableLine* line) const { return lines.contains(line); }
    bool inContact(const Collidable* a, const Collidable* b) const {
        return contacts.inContact(a, b);
    }
    std::size_t contactCount() const { return contacts.contactCount(); }

private:
    struct Crossing {
        Entity* entity;
        CollidableLine* line;
        Entity* lineEntity;
        LineCrossing direction;
    };
    struct Contact {
        Entity* first;
        Entity* second;
        bool ended;
    };
    struct LineDistance {
        CollidableLine* line;
        Collidable* collidable;
        double distance;
    };

    void track(Entity* entity, Component* added);
    void measureLineDistances();
    void findLineCrossings();
    void recordCollisions();
    void deliver();

    ComponentSet<Movable> movables;
    ComponentSet<CollidableLine> lines;
    ContactTracker contacts;

    // Kept between steps only to reuse their storage.
    std::vector<LineDistance> lineDistances;
    std::vector<Crossing> crossings;
    std::vector<ContactTracker::Change> changes;
    std::vector<Contact> collisions;
};

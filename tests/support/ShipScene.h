#pragma once

#include "physics/Movable.h"
#include "physics/PhysicsManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <string>
#include <vector>

// A scene with a physics manager and one ship: an entity "Ship" with a Movable of mass 1 and the
// given components, at the origin facing +x. tick() advances the scene by fixed 0.016 s steps,
// with the physics manager running after the ship's own processes, as on a game screen.
class ShipScene {
public:
    static constexpr double step = 0.016;

    explicit ShipScene(const std::vector<Component*>& components) {
        std::vector<Component*> all{new Movable(1.0)};
        all.insert(all.end(), components.begin(), components.end());
        shipNode = Entity::create("Ship", all);
        scene.addNode(shipNode);
        physics.connect(&scene);
        scene.addProcess(&physics);
    }
    ~ShipScene() { physics.disconnect(&scene); }
    ShipScene(const ShipScene&) = delete;
    ShipScene& operator=(const ShipScene&) = delete;

    void tick(int steps = 1) {
        for (int index = 0; index < steps; ++index)
            scene.updateProcess(step);
    }
    // Ticks until at least the given seconds have passed.
    void run(double seconds) { tick(static_cast<int>(seconds / step + 0.999999)); }

    void start(PlayerActionType action) { send(action, true); }
    void stop(PlayerActionType action) { send(action, false); }
    void send(PlayerActionType action, bool active, double time = 0.0) {
        ship()->sendEvent(EventPtr(new PlayerActionEvent(action, active, 0, 0, time)));
    }

    Entity* ship() const { return shipNode->getEntity(); }
    Movable* movable() const { return ship()->getComponent<Movable>(Movable::typeName()); }
    SceneNode* node() const { return shipNode; }

    SceneManager scene;
    PhysicsManager physics;

private:
    SceneNode* shipNode;
};

#pragma once

#include "core/PlayerActionEvent.h"
#include "physics/Movable.h"
#include "physics/PhysicsManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <sstream>
#include <string>
#include <vector>

// "Ship" at the origin facing +x: a Movable of mass 1 and the given components; physics runs last.
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
    void run(double seconds) { tick(static_cast<int>(seconds / step + 0.999999)); }

    void send(PlayerActionType action, bool active, double time = 0.0) {
        ship()->sendEvent(EventPtr(new PlayerActionEvent(action, active, 0, 0, time)));
    }
    // Sends actions written as "Thrust+ Brake+ Thrust-" ('+' starts, '-' stops).
    void play(const std::string& actions) {
        std::istringstream words(actions);
        for (std::string word; words >> word;) {
            PlayerActionType action{};
            std::istringstream(word.substr(0, word.size() - 1)) >> action;
            send(action, word.back() == '+');
        }
    }

    SceneNode* add(const std::string& name, const Vector2& at, std::vector<Component*> parts = {}) {
        SceneNode* node = Entity::create(name, parts);
        node->setPosition(at);
        scene.addNode(node);
        return node;
    }
    Entity* ship() const { return shipNode->getEntity(); }
    Movable* movable() const { return ship()->getComponent<Movable>(Movable::typeName()); }
    SceneNode* node() const { return shipNode; }

    SceneManager scene;
    PhysicsManager physics;

private:
    SceneNode* shipNode;
};

#pragma once

#include "physics/CollidableEvent.h"
#include "physics/CollidableLine.h"
#include "physics/CollidableLineEvent.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "support/FontSupport.h"
#include "support/Params.h"
#include "support/RecordingListener.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <utility>

// Journals what entities hear: "a: start a b", "a: end a b", "a: line a L 0" (L crossed to 0).
class PhysicsScene {
public:
    static constexpr double step = 0.016;

    PhysicsScene() { physics.connect(&scene); }
    ~PhysicsScene() { physics.disconnect(&scene); }

    SceneNode* add(const std::string& name, const Vector2& position,
                   const std::vector<Component*>& components, SceneNode* parent = nullptr) {
        SceneNode* node = Entity::create(name, components);
        node->setPosition(position);
        parent ? parent->addChild(node) : scene.addNode(node);
        return node;
    }

    void listen(Entity* entity) {
        for (int type : {int(EventType::Collidable), int(EventType::CollidableLine)}) {
            listeners.push_back(std::make_unique<RecordingListener>(type));
            std::string name = entity->getName();
            listeners.back()->onEvent = [this, name](const EventPtr& event) { note(name, *event); };
            entity->addListener(listeners.back().get());
        }
    }

    std::vector<std::string> stepAndTake() {
        physics.updateProcess(step);
        return take();
    }
    std::vector<std::string> take() { return std::exchange(journal, {}); }

    static StaticCollidable* box(const Vector2& min, const Vector2& max) {
        return new StaticCollidable(AxisAlignedBox(min, max));
    }

    SceneManager scene;
    PhysicsManager physics;
    std::vector<std::string> journal;

private:
    void note(const std::string& hearer, const Event& event) {
        if (auto* hit = dynamic_cast<const CollidableEvent*>(&event))
            journal.push_back(hearer + (hit->hasEnded() ? ": end " : ": start ") +
                              hit->getFirst()->getName() + " " + hit->getSecond()->getName());
        else if (auto* cross = dynamic_cast<const CollidableLineEvent*>(&event))
            journal.push_back(hearer + ": line " + cross->getEntity()->getName() + " " +
                              cross->getLine()->getEntity()->getName() + " " +
                              std::to_string(cross->getDirection()));
    }

    std::vector<std::unique_ptr<RecordingListener>> listeners;
};

typedef std::initializer_list<std::pair<std::string, std::string>> Entries;

// Made from parameters the way data files make it, through a prototype's createNew.
template <typename T> std::unique_ptr<T> create(Entries entries) {
    return std::unique_ptr<T>(static_cast<T*>(T().createNew(params(entries))));
}

inline void expectNear(const Vector2& expected, const Vector2& actual) {
    EXPECT_NEAR(expected.x, actual.x, 1e-9);
    EXPECT_NEAR(expected.y, actual.y, 1e-9);
}

#pragma once

#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/CollidableEvent.h"
#include "physics/CollidableLine.h"
#include "physics/CollidableLineEvent.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "support/RecordingListener.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A scene with a connected physics manager, and listeners that write what entities hear into one
// journal: "a: start a b" (entity a heard that a and b began to overlap), "a: end a b",
// "a: line a L 0" (a heard that a crossed line L towards direction 0).
class PhysicsScene {
public:
    static constexpr double step = 0.016;

    PhysicsScene() { physics.connect(&scene); }
    ~PhysicsScene() {
        physics.disconnect(&scene);
        listeners.clear();
    }

    SceneNode* add(const std::string& name, const Vector2& position,
                   const std::vector<Component*>& components, SceneNode* parent = nullptr) {
        SceneNode* node = Entity::create(name, components);
        node->setPosition(position);
        if (parent)
            parent->addChild(node);
        else
            scene.addNode(node);
        return node;
    }

    void listen(Entity* entity) {
        for (int type : {int(EventType::Collidable), int(EventType::CollidableLine)}) {
            auto listener = std::make_unique<RecordingListener>(type);
            std::string name = entity->getName();
            listener->onEvent = [this, name](const EventPtr& event) { note(name, event); };
            entity->addListener(listener.get());
            listeners.push_back(std::move(listener));
        }
    }

    std::vector<std::string> stepAndTake() {
        physics.updateProcess(step);
        return take();
    }

    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(journal);
        return taken;
    }

    static StaticCollidable* box(const Vector2& min, const Vector2& max) {
        return new StaticCollidable(AxisAlignedBox(min, max));
    }

    SceneManager scene;
    PhysicsManager physics;
    std::vector<std::string> journal;

private:
    void note(const std::string& hearer, const EventPtr& event) {
        if (event->getEventType() == EventType::Collidable) {
            const auto& collision = static_cast<const CollidableEvent&>(*event);
            journal.push_back(hearer + ": " + (collision.hasEnded() ? "end " : "start ") +
                              collision.getFirst()->getName() + " " +
                              collision.getSecond()->getName());
        } else {
            const auto& crossing = static_cast<const CollidableLineEvent&>(*event);
            journal.push_back(hearer + ": line " + crossing.getEntity()->getName() + " " +
                              crossing.getLine()->getEntity()->getName() + " " +
                              std::to_string(crossing.getDirection()));
        }
    }

    std::vector<std::unique_ptr<RecordingListener>> listeners;
};

typedef std::initializer_list<std::pair<const char*, const char*>> Entries;

inline ParamList params(Entries entries) {
    ParamList list;
    for (const auto& entry : entries)
        list.set(entry.first, entry.second);
    return list;
}

// Made from parameters the way data files make it, through a prototype's createNew.
template <typename T> std::unique_ptr<T> create(Entries entries) {
    return std::unique_ptr<T>(static_cast<T*>(T().createNew(params(entries))));
}

template <typename T> std::string creationError(Entries entries) {
    try {
        create<T>(entries);
    } catch (const myexception& error) {
        return error.what();
    }
    return "no error";
}

inline void expectNear(const Vector2& expected, const Vector2& actual) {
    EXPECT_NEAR(expected.x, actual.x, 1e-9);
    EXPECT_NEAR(expected.y, actual.y, 1e-9);
}

#pragma once

#include "core/EventManager.h"
#include "core/Process.h"
#include "core/ProcessManager.h"
#include "world/Visitor.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class Component;
class Entity;
class SceneNode;

// One screen's world: a forest of scene nodes, the entities in it and their names, the scene's
// event manager and the process manager of everything that runs in the scene. It owns its
// roots (and through them every node, entity and component in the scene); destroying it
// deletes them all. Nodes and entities killed during an update are deleted only at its end, so
// nothing disappears from under a running event delivery.
class SceneManager : public ProcessManager,
                     public EventManager,
                     public Visitable<SceneNode>,
                     public Visitable<Entity> {
public:
    // Pumps the scene's and its entities' event queues and collects garbage once per update.
    class SelfUpdater : public Process {
    public:
        explicit SelfUpdater(SceneManager& scene) : scene(scene) {}
        void updateProcess(double seconds) override;
        bool deleteWhenKilled() const override { return true; }

    private:
        SceneManager& scene;
        unsigned counter = 0;
    };

    // Empty leaf nodes are swept on every this-many-th update.
    static constexpr unsigned sweepInterval = 30;

    SceneManager();
    ~SceneManager() override;
    SceneManager(const SceneManager&) = delete;
    SceneManager& operator=(const SceneManager&) = delete;

    // Takes a free node (no manager, no parent) as a new root; the scene owns it from then on.
    bool addNode(SceneNode* node);
    // Takes a node of this scene out of it without deleting it; the caller owns it afterwards.
    bool removeNode(SceneNode* node);
    // The most recent arrival of that name still in the scene, or null.
    Entity* findEntity(const std::string& name) const;
    // Deletes the node, its subtree and their entities at the end of the next update.
    void markForDeletion(SceneNode* node);
    void clearGarbage();
    // Takes the entity off its node at once (it leaves the scene) and deletes it at the end of
    // the update, so a delivery running on its own event manager can finish first.
    void removeEntity(Entity* entity);
    // Detaches a component of an entity in this scene at once and deletes it at the end of the
    // update, for the same reason.
    void removeComponent(Component* component);

    const std::set<SceneNode*>& getRoots() const { return roots; }
    const std::unordered_set<Entity*>& getEntities() const { return entities; }
    bool isMarkedForDeletion(SceneNode* node) const { return garbage.count(node) != 0; }

    // Visitors must not change the scene graph; they may mark nodes for deletion.
    void accept(Visitor<SceneNode>& visitor) override;
    void accept(Visitor<Entity>& visitor) override;

private:
    friend class SceneNode;

    void entityEntered(Entity* entity);
    void entityLeft(Entity* entity);
    void forgetGarbage(SceneNode* node);
    void sweepUnusedNodes();
    void deleteRemoved();

    std::set<SceneNode*> roots;
    std::set<SceneNode*> garbage;
    // The nodes of the collection under way, so that nodes which leave meanwhile drop out.
    std::set<SceneNode*>* collecting = nullptr;
    std::unordered_set<Entity*> entities;
    // The entities again, in the order they entered: their queues are worked off in this order,
    // because the set's order follows addresses, which differ from one allocator to another,
    // and the order of deliveries decides, for one, which of two explosions made in one update
    // gets which generated name.
    std::map<std::uint64_t, Entity*> arrivalOrder;
    std::unordered_map<const Entity*, std::uint64_t> arrivalOf;
    std::uint64_t nextArrival = 0;
    // Several entities may share a name; the latest arrival is found first.
    std::map<std::string, std::vector<Entity*>> nameIndex;
    std::vector<Entity*> removedEntities;
    std::vector<Component*> removedComponents;
    SelfUpdater* selfUpdater;
};

#include "world/SceneManager.h"

#include "world/Component.h"
#include "world/Entity.h"
#include "world/SceneEvent.h"
#include "world/SceneNode.h"

#include <algorithm>

namespace {

// Marks the scene's childless nodes that carry no entity.
class DeleteUnusedNodes : public Visitor<SceneNode> {
public:
    explicit DeleteUnusedNodes(SceneManager& scene) : scene(scene) {}
    void visit(SceneNode& node) override {
        if (!node.getEntity() && node.getChildren().empty() && node.getManager() == &scene)
            scene.markForDeletion(&node);
    }

private:
    SceneManager& scene;
};

// Takes a subtree out of the collection's working set, so that no node is deleted twice.
class RemChildrenVistitor : public Visitor<SceneNode> {
public:
    explicit RemChildrenVistitor(std::set<SceneNode*>& working) : working(working) {}
    void visit(SceneNode& node) override { working.erase(&node); }

private:
    std::set<SceneNode*>& working;
};

} // namespace

void SceneManager::SelfUpdater::updateProcess(double) {
    double now = scene.getTotalTime();
    scene.processQueue(now);
    // Deliveries may add or delete entities; whoever left meanwhile is skipped.
    std::vector<Entity*> snapshot;
    snapshot.reserve(scene.arrivalOrder.size());
    for (const auto& arrived : scene.arrivalOrder)
        snapshot.push_back(arrived.second);
    for (Entity* entity : snapshot) {
        if (scene.entities.count(entity) && entity->queuedEventCount() != 0)
            entity->processQueue(now);
    }
    counter = (counter + 1) % sweepInterval;
    if (counter == 0)
        scene.sweepUnusedNodes();
    scene.clearGarbage();
}

SceneManager::SceneManager() : ProcessManager(0.0), selfUpdater(new SelfUpdater(*this)) {
    addProcess(selfUpdater);
}

SceneManager::~SceneManager() {
    selfUpdater->kill();
    clearGarbage();
    while (!roots.empty()) {
        SceneNode* root = *roots.begin();
        roots.erase(roots.begin());
        root->leaveScene(this);
        delete root;
    }
    deleteRemoved();
}

bool SceneManager::addNode(SceneNode* node) {
    // A node under a parent is owned by it; making it a root too would delete it twice.
    if (!node || node->manager || node->parent)
        return false;
    roots.insert(node);
    node->joinScene(this);
    return true;
}

bool SceneManager::removeNode(SceneNode* node) {
    if (!node || node->manager != this)
        return false;
    if (node->parent)
        return node->parent->removeChild(node, false);
    roots.erase(node);
    node->leaveScene(this);
    return true;
}

Entity* SceneManager::findEntity(const std::string& name) const {
    auto found = nameIndex.find(name);
    return found == nameIndex.end() ? nullptr : found->second.back();
}

void SceneManager::markForDeletion(SceneNode* node) {
    if (node && node->manager == this)
        garbage.insert(node);
}

void SceneManager::clearGarbage() {
    if (collecting)
        return;
    std::set<SceneNode*> working;
    working.swap(garbage);
    collecting = &working;
    while (!working.empty()) {
        SceneNode* node = *working.begin();
        RemChildrenVistitor remover(working);
        node->accept(remover);
        removeNode(node);
        delete node;
    }
    collecting = nullptr;
    deleteRemoved();
}

void SceneManager::removeEntity(Entity* entity) {
    if (!entity || entity->getSceneManager() != this)
        return;
    entity->getNode()->unbindEntity();
    removedEntities.push_back(entity);
}

void SceneManager::removeComponent(Component* component) {
    Entity* owner = component ? component->getEntity() : nullptr;
    if (!owner || owner->getSceneManager() != this)
        return;
    owner->removeComponent(component);
    removedComponents.push_back(component);
}

void SceneManager::accept(Visitor<SceneNode>& visitor) {
    for (SceneNode* root : roots)
        static_cast<Visitable<SceneNode>*>(root)->accept(visitor);
}

void SceneManager::accept(Visitor<Entity>& visitor) {
    for (SceneNode* root : roots)
        static_cast<Visitable<Entity>*>(root)->accept(visitor);
}

void SceneManager::entityEntered(Entity* entity) {
    if (!entities.insert(entity).second)
        return;
    arrivalOrder.emplace(nextArrival, entity);
    arrivalOf.emplace(entity, nextArrival++);
    nameIndex[entity->getName()].push_back(entity);
    EventPtr event(new SceneEvent(this, entity, 0, getTotalTime()));
    entity->sendEvent(event);
    sendEvent(event);
}

void SceneManager::entityLeft(Entity* entity) {
    if (!entities.erase(entity))
        return;
    auto arrival = arrivalOf.find(entity);
    arrivalOrder.erase(arrival->second);
    arrivalOf.erase(arrival);
    auto named = nameIndex.find(entity->getName());
    if (named != nameIndex.end()) {
        std::vector<Entity*>& sharing = named->second;
        sharing.erase(std::remove(sharing.begin(), sharing.end(), entity), sharing.end());
        if (sharing.empty())
            nameIndex.erase(named);
    }
    EventPtr event(new SceneEvent(this, entity, 1, getTotalTime()));
    entity->sendEvent(event);
    sendEvent(event);
}

void SceneManager::forgetGarbage(SceneNode* node) {
    garbage.erase(node);
    if (collecting)
        collecting->erase(node);
}

void SceneManager::sweepUnusedNodes() {
    DeleteUnusedNodes marker(*this);
    accept(marker);
}

void SceneManager::deleteRemoved() {
    while (!removedComponents.empty()) {
        Component* component = removedComponents.back();
        removedComponents.pop_back();
        delete component;
    }
    while (!removedEntities.empty()) {
        Entity* entity = removedEntities.back();
        removedEntities.pop_back();
        delete entity;
    }
}

#include "world/Entity.h"

#include "world/Component.h"
#include "world/ComponentRegistry.h"
#include "world/EntityEvent.h"
#include "world/SceneListener.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <algorithm>

// Tells the components when their entity enters or leaves a scene. Components attached or
// removed by a neighbour's managerChanged are handled by addComponent/removeComponent
// themselves, so each pass works on a snapshot and skips whatever has gone meanwhile.
class Entity::ManagerListener : public SceneListener {
public:
    explicit ManagerListener(Entity& owner) : owner(owner) {}

    void entityEntered(const SceneEventPtr& event) override {
        if (event->getEntity() == &owner)
            notify(event->getManager(), nullptr);
    }
    void entityLeft(const SceneEventPtr& event) override {
        if (event->getEntity() == &owner)
            notify(nullptr, event->getManager());
    }

private:
    void notify(SceneManager* newManager, SceneManager* oldManager) {
        std::vector<Component*> snapshot = owner.components;
        for (Component* component : snapshot) {
            if (owner.hasComponent(component))
                component->managerChanged(newManager, oldManager);
        }
    }

    Entity& owner;
};

Entity::Entity(const std::string& name)
    : NameableObject<Entity>(name), managerListener(std::make_unique<ManagerListener>(*this)) {
    addListener(managerListener.get());
}

Entity::~Entity() {
    if (node && node->getEntity() == this)
        node->unbindEntity();
    node = nullptr;
    while (!components.empty()) {
        Component* component = components.front();
        components.erase(components.begin());
        component->detach(this);
        component->releaseRegistrations(this);
        component->entity = nullptr;
        component->entityChanged(nullptr, this);
        announce(component, 1);
        delete component;
    }
    managerListener.reset();
}

SceneNode* Entity::create(const std::string& name, const std::vector<Component*>& components) {
    Entity* entity = new Entity(name);
    entity->addComponents(components);
    SceneNode* node = new SceneNode();
    node->bindEntity(entity);
    return node;
}

bool Entity::addComponent(Component* component) {
    if (!component || component->entity || !component->attach(this))
        return false;
    components.push_back(component);
    component->entity = this;
    component->entityChanged(this, nullptr);
    if (SceneManager* manager = getSceneManager(); manager && hasComponent(component))
        component->managerChanged(manager, nullptr);
    announce(component, 0);
    return true;
}

void Entity::addComponents(const std::vector<Component*>& newComponents) {
    std::vector<Component*> accepted;
    for (Component* component : newComponents) {
        if (!component)
            continue;
        if (component->entity || !component->attach(this)) {
            // Still attached elsewhere means someone else owns it; only strays are ours.
            if (!component->entity)
                delete component;
            continue;
        }
        components.push_back(component);
        component->entity = this;
        accepted.push_back(component);
    }
    for (Component* component : accepted) {
        if (!hasComponent(component))
            continue;
        component->entityChanged(this, nullptr);
        if (SceneManager* manager = getSceneManager(); manager && hasComponent(component))
            component->managerChanged(manager, nullptr);
        announce(component, 0);
    }
}

bool Entity::removeComponent(Component* component) {
    if (!component || component->entity != this)
        return false;
    components.erase(std::find(components.begin(), components.end(), component));
    component->detach(this);
    component->releaseRegistrations(this);
    component->entity = nullptr;
    if (!component->dying) {
        component->entityChanged(nullptr, this);
        if (SceneManager* manager = getSceneManager())
            component->managerChanged(nullptr, manager);
    }
    announce(component, 1);
    return true;
}

Component* Entity::getComponent(const std::string& typeName) const {
    return ComponentRegistry::getComponent(typeName, this);
}

bool Entity::hasComponent(const Component* component) const {
    return std::find(components.begin(), components.end(), component) != components.end();
}

Entity* Entity::getParentEntity() const {
    for (SceneNode* ancestor = node ? node->getParent() : nullptr; ancestor;
         ancestor = ancestor->getParent()) {
        if (ancestor->getEntity())
            return ancestor->getEntity();
    }
    return nullptr;
}

SceneManager* Entity::getSceneManager() const {
    return node ? node->getManager() : nullptr;
}

void Entity::kill() {
    if (SceneManager* manager = getSceneManager())
        manager->markForDeletion(node);
}

void Entity::accept(Visitor<Component>& visitor) {
    for (Component* component : components)
        visitor.visit(*component);
}

void Entity::announce(Component* component, int removed) {
    EventPtr event(new EntityEvent(this, component, removed));
    sendEvent(event);
    if (SceneManager* manager = getSceneManager())
        manager->sendEvent(event);
}

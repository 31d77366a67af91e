#pragma once

#include "core/EventManager.h"
#include "world/NameableObject.h"
#include "world/Visitor.h"

#include <memory>
#include <string>
#include <vector>

class Component;
class SceneManager;
class SceneNode;

// A named bag of components carried by one scene node. The entity owns its components; its
// node owns the entity. Its event manager is where its components talk to each other; every
// EntityEvent about it is sent there first.
class Entity : public NameableObject<Entity>, public Visitable<Component>, public EventManager {
public:
    // An empty name gets a fresh one. The entity starts without node and components.
    explicit Entity(const std::string& name = std::string());
    ~Entity() override;

    // Makes an entity with the components (attached in order; refused ones are deleted) on a
    // new node with the default transform. The caller owns the node and places it in a scene.
    static SceneNode* create(const std::string& name = std::string(),
                             const std::vector<Component*>& components = {});

    // False when refused (null, already attached, or a type the entity already has); the
    // caller then still owns the component and deletes it.
    bool addComponent(Component* component);
    // Attaches all accepted components before any of them hears of it, so each one's
    // entityChanged can already find every sibling. Refused components are deleted.
    void addComponents(const std::vector<Component*>& newComponents);
    // Detaches; the caller owns the component afterwards. False when it was not attached here.
    bool removeComponent(Component* component);

    Component* getComponent(const std::string& typeName) const;
    template <typename T> T* getComponent(const std::string& typeName) const {
        return dynamic_cast<T*>(getComponent(typeName));
    }
    const std::vector<Component*>& getComponents() const { return components; }
    bool hasComponent(const Component* component) const;

    SceneNode* getNode() const { return node; }
    // The entity of the nearest ancestor node that carries one, or null.
    Entity* getParentEntity() const;
    SceneManager* getSceneManager() const;

    // Has the scene delete the node, and so this entity, at its next garbage collection.
    // Nothing happens outside a scene.
    void kill();

    void accept(Visitor<Component>& visitor) override;

private:
    class ManagerListener;
    friend class SceneNode;

    void announce(Component* component, int removed);

    SceneNode* node = nullptr;
    std::vector<Component*> components;
    std::unique_ptr<ManagerListener> managerListener;
};

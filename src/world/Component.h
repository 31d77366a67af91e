#pragma once

#include "core/FactoryObject.h"

#include <initializer_list>
#include <string>
#include <vector>

class Entity;
class SceneManager;
class SceneNode;

// Behaviour of an entity. A component is created detached, attached with
// Entity::addComponent and owned by its entity from then on; removeComponent hands ownership
// back to the caller. Deleting an attached component detaches it first.
//
// A concrete type supplies getType, createNew and clone. attach and detach default to
// registering under getType(); a type that also fills an abstract role overrides attach with
// attachAs({getType(), roleName}, entity).
class Component : public FactoryObject<Component> {
public:
    Component() = default;
    // A copy starts detached, whatever the original is attached to.
    Component(const Component&) {}
    Component& operator=(const Component&) = delete;
    ~Component() override;

    // Whether the parameter holds a file name that templates resolve against search paths.
    virtual bool isFilenameParam(const std::string& name) const;
    virtual void entityChanged(Entity* newEntity, Entity* oldEntity);
    // Called when the entity enters (new set) or leaves (old set) a scene.
    virtual void managerChanged(SceneManager* newManager, SceneManager* oldManager);
    // False when the entity already holds a component of this type (or role).
    virtual bool attach(Entity* entity);
    virtual void detach(Entity* entity);

    Entity* getEntity() const { return entity; }
    // The node and scene of the owning entity, or null.
    SceneNode* getNode() const;
    SceneManager* getSceneManager() const;
    // A component of another type on the same entity, or null.
    Component* getSibling(const std::string& typeName) const;
    template <typename T> T* getSibling(const std::string& typeName) const {
        return dynamic_cast<T*>(getSibling(typeName));
    }
    bool isDying() const { return dying; }

protected:
    // Registers under every name or, when any is taken on the entity, under none.
    bool attachAs(std::initializer_list<std::string> typeNames, Entity* entity);

private:
    friend class Entity;
    // Drops every registration this component holds for the entity. Needs no virtual call, so
    // it is safe from the destructor, after the concrete part is gone.
    void releaseRegistrations(Entity* entity);

    Entity* entity = nullptr;
    bool dying = false;
    std::vector<std::string> registeredNames;
};

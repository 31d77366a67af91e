#include "world/Component.h"

#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <algorithm>

Component::~Component() {
    if (entity) {
        dying = true;
        entity->removeComponent(this);
    }
}

bool Component::isFilenameParam(const std::string&) const {
    return false;
}

void Component::entityChanged(Entity*, Entity*) {}

void Component::managerChanged(SceneManager*, SceneManager*) {}

bool Component::attach(Entity* target) {
    return attachAs({getType()}, target);
}

void Component::detach(Entity* target) {
    releaseRegistrations(target);
}

SceneNode* Component::getNode() const {
    return entity ? entity->getNode() : nullptr;
}

SceneManager* Component::getSceneManager() const {
    return entity ? entity->getSceneManager() : nullptr;
}

Component* Component::getSibling(const std::string& typeName) const {
    return entity ? ComponentRegistry::getComponent(typeName, entity) : nullptr;
}

bool Component::attachAs(std::initializer_list<std::string> typeNames, Entity* target) {
    std::vector<std::string> added;
    for (const std::string& name : typeNames) {
        if (std::find(added.begin(), added.end(), name) != added.end())
            continue;
        if (!ComponentRegistry::add(name, target, this)) {
            for (const std::string& undo : added)
                ComponentRegistry::remove(undo, target, this);
            return false;
        }
        added.push_back(name);
    }
    registeredNames.insert(registeredNames.end(), added.begin(), added.end());
    return true;
}

void Component::releaseRegistrations(Entity* target) {
    for (const std::string& name : registeredNames)
        ComponentRegistry::remove(name, target, this);
    registeredNames.clear();
}

#include "world/ComponentManager.h"

#include "world/Entity.h"
#include "world/SceneManager.h"

void ComponentManager::connect(SceneManager* scene) {
    if (!scene)
        return;
    visitEach<Entity>(*scene, [this](Entity& entity) { entityAdded(&entity); });
    scene->addListener(static_cast<SceneListener*>(this));
    scene->addListener(static_cast<EntityListener*>(this));
}

void ComponentManager::disconnect(SceneManager* scene) {
    if (!scene)
        return;
    scene->removeListener(static_cast<SceneListener*>(this));
    scene->removeListener(static_cast<EntityListener*>(this));
    visitEach<Entity>(*scene, [this](Entity& entity) { entityRemoved(&entity); });
}

void ComponentManager::entityEntered(const SceneEventPtr& event) {
    entityAdded(event->getEntity());
}

void ComponentManager::entityLeft(const SceneEventPtr& event) {
    entityRemoved(event->getEntity());
}

void ComponentManager::componentAttached(const EntityEventPtr& event) {
    componentAdded(event->getEntity(), event->getComponent());
}

void ComponentManager::componentDetached(const EntityEventPtr& event) {
    componentRemoved(event->getEntity(), event->getComponent());
}

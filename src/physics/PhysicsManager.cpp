#include "physics/PhysicsManager.h"

#include "core/PointerValidator.h"
#include "physics/CollidableEvent.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

namespace {

// Entities are only deleted at the end of a scene update, but a listener may still delete one
// directly. An event that names an entity which no longer exists is not delivered any further:
// its receivers would follow the dangling pointer.
bool exists(Entity* entity) {
    const EventManager* manager = entity;
    return PointerValidator<EventManager>::isValid(manager);
}

void sendTo(Entity* receiver, Entity* other, const EventPtr& event) {
    if (exists(receiver) && exists(other))
        receiver->sendEvent(event);
}

} // namespace

void PhysicsManager::connect(SceneManager* scene) {
    if (!scene)
        return;
    ComponentManager::connect(scene);
    scene->addListener(static_cast<CheckCollidableActionListener*>(this));
}

void PhysicsManager::disconnect(SceneManager* scene) {
    if (!scene)
        return;
    scene->removeListener(static_cast<CheckCollidableActionListener*>(this));
    ComponentManager::disconnect(scene);
}

// added is the component whose arrival is announced, or null when the whole entity arrived.
void PhysicsManager::track(Entity* entity, Component* added) {
    if (!entity)
        return;
    SceneNode* node = entity->getNode();
    auto* movable = entity->getComponent<Movable>(Movable::typeName());
    if (movable && node && !node->getParent() && (!added || added == movable)) {
        movables.insert(movable);
        movable->applyRelativeOrientation();
    }
    if (auto* collidable = entity->getComponent<Collidable>(Collidable::roleName()))
        contacts.add(collidable);
    if (auto* line = entity->getComponent<CollidableLine>(CollidableLine::typeName()))
        lines.insert(line);
}

void PhysicsManager::entityAdded(Entity* entity) {
    track(entity, nullptr);
}

void PhysicsManager::componentAdded(Entity* entity, Component* component) {
    if (component)
        track(entity, component);
}

void PhysicsManager::entityRemoved(Entity* entity) {
    if (!entity)
        return;
    if (Component* movable = entity->getComponent(Movable::typeName()))
        movables.erase(movable);
    if (Component* collidable = entity->getComponent(Collidable::roleName()))
        contacts.remove(collidable);
    if (Component* line = entity->getComponent(CollidableLine::typeName()))
        lines.erase(line);
}

// The component may be in the middle of its destruction: it is only compared, never used.
void PhysicsManager::componentRemoved(Entity*, Component* component) {
    movables.erase(component);
    contacts.remove(component);
    lines.erase(component);
}

void PhysicsManager::updateProcess(double seconds) {
    measureLineDistances();
    for (std::size_t index = 0; index < movables.size(); ++index)
        movables[index]->step(seconds);
    findLineCrossings();
    changes.clear();
    contacts.update(changes);
    recordCollisions();
    deliver();
}

void PhysicsManager::measureLineDistances() {
    lineDistances.clear();
    for (CollidableLine* line : lines.all()) {
        SceneNode* lineNode = line->getNode();
        if (!lineNode)
            continue;
        const Vector2 linePosition = lineNode->getWorldPosition();
        for (Collidable* collidable : contacts.getCollidables().all()) {
            SceneNode* node = collidable->getNode();
            if (!node)
                continue;
            const Vector2 offset = node->getWorldPosition() - linePosition;
            const double distance = line->getAxis() == CollidableLine::x ? offset.y : offset.x;
            lineDistances.push_back({line, collidable, distance});
        }
    }
}

// Coming from exactly on the line counts as coming from either side; ending exactly on it is
// not a crossing.
void PhysicsManager::findLineCrossings() {
    crossings.clear();
    for (const LineDistance& before : lineDistances) {
        SceneNode* node = before.collidable->getNode();
        SceneNode* lineNode = before.line->getNode();
        if (!node || !lineNode)
            continue;
        const Vector2 position = node->getWorldPosition();
        const Vector2 linePosition = lineNode->getWorldPosition();
        const bool horizontal = before.line->getAxis() == CollidableLine::x;
        const double now = horizontal ? position.y : position.x;
        const double line = horizontal ? linePosition.y : linePosition.x;
        Entity* entity = before.collidable->getEntity();
        Entity* lineEntity = before.line->getEntity();
        if (line < now && before.distance <= 0.0)
            crossings.push_back(
                {entity, before.line, lineEntity, horizontal ? ToPositiveY : ToPositiveX});
        else if (line > now && before.distance >= 0.0)
            crossings.push_back(
                {entity, before.line, lineEntity, horizontal ? ToNegativeY : ToNegativeX});
    }
}

void PhysicsManager::recordCollisions() {
    collisions.clear();
    for (const ContactTracker::Change& change : changes)
        collisions.push_back({change.first->getEntity(), change.second->getEntity(), change.ended});
}

// Delivery works on its own copies: a listener may step or check the physics manager again.
void PhysicsManager::deliver() {
    std::vector<Crossing> lineEvents;
    lineEvents.swap(crossings);
    std::vector<Contact> contactEvents;
    contactEvents.swap(collisions);
    for (const Crossing& crossing : lineEvents) {
        EventPtr event(new CollidableLineEvent(crossing.entity, crossing.line, crossing.direction));
        // A line destroyed meanwhile has left the set; asked again after each delivery.
        if (lines.contains(crossing.line))
            sendTo(crossing.entity, crossing.lineEntity, event);
        if (lines.contains(crossing.line))
            sendTo(crossing.lineEntity, crossing.entity, event);
    }
    for (const Contact& contact : contactEvents) {
        EventPtr event(new CollidableEvent(contact.first, contact.second, contact.ended ? 1 : 0));
        sendTo(contact.first, contact.second, event);
        sendTo(contact.second, contact.first, event);
    }
}

void PhysicsManager::checkCollidable(Collidable* collidable) {
    if (!collidable || !contacts.contains(collidable) || !collidable->getNode())
        return;
    changes.clear();
    contacts.check(collidable, changes);
    recordCollisions();
    crossings.clear();
    deliver();
}

void PhysicsManager::checkCollidableAction(const CheckCollidableActionEventPtr& event) {
    checkCollidable(event->getCollidable());
}

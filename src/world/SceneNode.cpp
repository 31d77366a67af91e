#include "world/SceneNode.h"

#include "world/Entity.h"
#include "world/SceneManager.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

namespace {

// Undoing a parent's zero scale has no answer; that component keeps the fallback instead of
// letting an infinity or NaN into the transform.
Vector2 dividedBy(const Vector2& value, const Vector2& divisor, const Vector2& fallback) {
    return {divisor.x != 0.0 ? value.x / divisor.x : fallback.x,
            divisor.y != 0.0 ? value.y / divisor.y : fallback.y};
}

Matrix3 localMatrix(const Vector2& position, const Vector2& orientation, const Vector2& scale) {
    double c = orientation.x;
    double s = orientation.y;
    return {{c * scale.x, s * scale.y, 0, -s * scale.x, c * scale.y, 0, position.x, position.y, 1}};
}

Matrix3 multiplied(const Matrix3& a, const Matrix3& b) {
    Matrix3 product{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int k = 0; k < 3; ++k)
                product[row * 3 + column] += a[row * 3 + k] * b[k * 3 + column];
    return product;
}

} // namespace

SceneNode::SceneNode(const Vector2& position, const Vector2& orientation, const Vector2& scale)
    : position(position), orientation(orientation), scale(scale), worldPosition(position),
      worldOrientation(orientation), worldScale(scale) {}

SceneNode::~SceneNode() {
    if (parent)
        parent->removeChild(this, false);
    else if (manager)
        manager->removeNode(this);
    while (!children.empty())
        delete children.front();
    delete entity;
}

void SceneNode::setPosition(const Vector2& given, TransformSpace space) {
    switch (space) {
    case World:
        if (parent) {
            Vector2 local = given - parent->getWorldPosition();
            if (inheritOri)
                local = local.rotatedBy(parent->getWorldOrientation().conjugate());
            if (inheritScl)
                local = dividedBy(local, parent->getWorldScale(), position);
            position = local;
        } else {
            position = given;
        }
        break;
    case Parent:
        position = given;
        break;
    case Local:
        if (given != Vector2(0, 0))
            position += given.scaledBy(scale).rotatedBy(orientation);
        break;
    }
    invalidate();
}

void SceneNode::translate(const Vector2& offset, TransformSpace space) {
    if (offset == Vector2(0, 0))
        return;
    switch (space) {
    case World: {
        Vector2 local = offset;
        if (parent) {
            if (inheritOri)
                local = local.rotatedBy(parent->getWorldOrientation().conjugate());
            if (inheritScl)
                local = dividedBy(local, parent->getWorldScale(), Vector2(0, 0));
        }
        position += local;
        break;
    }
    case Parent:
        position += offset;
        break;
    case Local:
        position += offset.scaledBy(scale).rotatedBy(orientation);
        break;
    }
    invalidate();
}

void SceneNode::setOrientation(const Vector2& given, TransformSpace space) {
    if (space == Local)
        orientation = orientation.rotatedBy(given);
    else if (space == World && parent && inheritOri)
        orientation = given.rotatedBy(parent->getWorldOrientation().conjugate());
    else
        orientation = given;
    invalidate();
}

void SceneNode::setScale(const Vector2& given, TransformSpace space) {
    if (space == Local)
        scale = scale.scaledBy(given);
    else if (space == World && parent && inheritScl)
        scale = dividedBy(given, parent->getWorldScale(), scale);
    else
        scale = given;
    invalidate();
}

void SceneNode::rotate(const Vector2& direction) {
    if (direction != Vector2(1, 0))
        orientation = orientation.rotatedBy(direction);
    invalidate();
}

void SceneNode::setInheritOri(bool inherit) {
    if (inherit == inheritOri)
        return;
    inheritOri = inherit;
    invalidate();
}

void SceneNode::setInheritScl(bool inherit) {
    if (inherit == inheritScl)
        return;
    inheritScl = inherit;
    invalidate();
}

const Vector2& SceneNode::getWorldPosition() const {
    updateWorld();
    return worldPosition;
}

const Vector2& SceneNode::getWorldOrientation() const {
    updateWorld();
    return worldOrientation;
}

const Vector2& SceneNode::getWorldScale() const {
    updateWorld();
    return worldScale;
}

const Matrix3& SceneNode::getWorldMatrix() const {
    if (!matrixValid) {
        Matrix3 local = localMatrix(position, orientation, scale);
        worldMatrix = parent ? multiplied(local, parent->getWorldMatrix()) : local;
        matrixValid = true;
    }
    return worldMatrix;
}

// A node whose caches are invalid never has a descendant with valid ones (a descendant's
// caches are computed from its ancestors'), so the walk stops at such children.
void SceneNode::invalidate() {
    matrixValid = false;
    worldValid = false;
    for (SceneNode* child : children) {
        if (child->matrixValid || child->worldValid)
            child->invalidate();
    }
}

void SceneNode::updateWorld() const {
    if (worldValid)
        return;
    if (!parent) {
        worldPosition = position;
        worldOrientation = orientation;
        worldScale = scale;
    } else {
        parent->updateWorld();
        const Vector2& parentOrientation = parent->worldOrientation;
        const Vector2& parentScale = parent->worldScale;
        worldOrientation = inheritOri ? parentOrientation.rotatedBy(orientation) : orientation;
        worldScale = inheritScl ? parentScale.scaledBy(scale) : scale;
        worldPosition =
            parent->worldPosition + position.scaledBy(parentScale).rotatedBy(parentOrientation);
    }
    worldValid = true;
}

bool SceneNode::addChild(SceneNode* child) {
    if (!child || child->parent || isAncestorOrSelf(child))
        return false;
    if (child->manager && child->manager != manager)
        return false;
    bool alreadyInScene = child->manager != nullptr;
    if (alreadyInScene)
        manager->roots.erase(child);
    children.push_back(child);
    child->parent = this;
    child->invalidate();
    // A former root of this scene is in it already; joining again would announce its entities
    // a second time.
    if (manager && !alreadyInScene)
        child->joinScene(manager);
    return true;
}

bool SceneNode::removeChild(SceneNode* child, bool keepWorld) {
    auto found = std::find(children.begin(), children.end(), child);
    if (!child || found == children.end())
        return false;
    if (keepWorld) {
        Vector2 newPosition = child->getWorldPosition();
        Vector2 newOrientation = child->getWorldOrientation();
        Vector2 newScale = child->getWorldScale();
        child->position = newPosition;
        child->orientation = newOrientation;
        child->scale = newScale;
    }
    children.erase(found);
    child->parent = nullptr;
    child->invalidate();
    if (manager)
        child->leaveScene(manager);
    return true;
}

bool SceneNode::bindEntity(Entity* newEntity) {
    if (!newEntity || entity || newEntity->node)
        return false;
    entity = newEntity;
    entity->node = this;
    if (manager)
        manager->entityEntered(entity);
    return true;
}

Entity* SceneNode::unbindEntity() {
    Entity* former = entity;
    if (!former)
        return nullptr;
    entity = nullptr;
    former->node = nullptr;
    if (manager)
        manager->entityLeft(former);
    return former;
}

void SceneNode::accept(Visitor<SceneNode>& visitor) {
    visitor.visit(*this);
    for (std::size_t i = 0; i < children.size(); ++i)
        children[i]->accept(visitor);
}

void SceneNode::accept(Visitor<Entity>& visitor) {
    if (entity)
        visitor.visit(*entity);
    for (std::size_t i = 0; i < children.size(); ++i)
        static_cast<Visitable<Entity>*>(children[i])->accept(visitor);
}

// Entities hear of the scene after their descendants' nodes know it, so a component arriving
// can already see the whole subtree as part of the scene. Indexing rather than iterators keeps
// the walk valid when a component's reaction changes the children.
void SceneNode::joinScene(SceneManager* scene) {
    manager = scene;
    for (std::size_t i = 0; i < children.size(); ++i)
        children[i]->joinScene(scene);
    if (entity && manager == scene)
        scene->entityEntered(entity);
}

void SceneNode::leaveScene(SceneManager* scene) {
    manager = nullptr;
    for (std::size_t i = 0; i < children.size(); ++i)
        children[i]->leaveScene(scene);
    if (entity)
        scene->entityLeft(entity);
    scene->forgetGarbage(this);
}

bool SceneNode::isAncestorOrSelf(const SceneNode* node) const {
    for (const SceneNode* ancestor = this; ancestor; ancestor = ancestor->parent) {
        if (ancestor == node)
            return true;
    }
    return false;
}

std::istream& operator>>(std::istream& in, SceneNode::TransformSpace& space) {
    std::string word;
    if (!(in >> word))
        return in;
    if (word == "Local")
        space = SceneNode::Local;
    else if (word == "Parent")
        space = SceneNode::Parent;
    else if (word == "World")
        space = SceneNode::World;
    else
        in.setstate(std::ios::failbit);
    return in;
}

std::ostream& operator<<(std::ostream& out, SceneNode::TransformSpace space) {
    static const char* const names[] = {"Local", "Parent", "World"};
    return out << names[static_cast<int>(space)];
}

#pragma once

#include "core/Vector2.h"
#include "world/Visitor.h"

#include <array>
#include <iosfwd>
#include <vector>

class Entity;
class SceneManager;

// Row-major 3x3, row-vector convention: x' = m0 x + m3 y + m6, y' = m1 x + m4 y + m7.
typedef std::array<double, 9> Matrix3;

// One node of a scene's forest: a transform relative to the parent, at most one entity and
// any number of children. A node owns its entity and its children; a root is owned by its
// SceneManager, a free node by whoever made it. World values are cached and recomputed on
// demand; a change invalidates only the changed node's subtree.
class SceneNode : public Visitable<SceneNode>, public Visitable<Entity> {
public:
    enum TransformSpace { Local = 0, Parent = 1, World = 2 };

    explicit SceneNode(const Vector2& position = Vector2(0, 0),
                       const Vector2& orientation = Vector2(1, 0),
                       const Vector2& scale = Vector2(1, 1));
    // Leaves parent or scene first, then deletes the children and the entity.
    ~SceneNode() override;
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    void setPosition(const Vector2& position, TransformSpace space = Parent);
    void setOrientation(const Vector2& orientation, TransformSpace space = Parent);
    void setScale(const Vector2& scale, TransformSpace space = Parent);
    void translate(const Vector2& offset, TransformSpace space = Parent);
    void rotate(const Vector2& direction);
    void setInheritOri(bool inherit);
    void setInheritScl(bool inherit);

    const Vector2& getPosition() const { return position; }
    const Vector2& getOrientation() const { return orientation; }
    const Vector2& getScale() const { return scale; }
    bool getInheritOri() const { return inheritOri; }
    bool getInheritScl() const { return inheritScl; }
    const Vector2& getWorldPosition() const;
    const Vector2& getWorldOrientation() const;
    const Vector2& getWorldScale() const;
    const Matrix3& getWorldMatrix() const;

    // Refused (false) when the child already has a parent, belongs to another scene, or is
    // this node or one of its ancestors.
    bool addChild(SceneNode* child);
    // keepWorld makes the child keep its place on screen. The caller owns the removed child.
    bool removeChild(SceneNode* child, bool keepWorld = false);
    const std::vector<SceneNode*>& getChildren() const { return children; }
    SceneNode* getParent() const { return parent; }
    SceneManager* getManager() const { return manager; }

    // Takes an entity that has no node, when this node has none; false otherwise.
    bool bindEntity(Entity* newEntity);
    // Gives up the entity (it leaves the scene) and hands its ownership to the caller.
    Entity* unbindEntity();
    Entity* getEntity() const { return entity; }

    // Pre-order over the subtree.
    void accept(Visitor<SceneNode>& visitor) override;
    // The entities of the subtree, in the same order.
    void accept(Visitor<Entity>& visitor) override;

private:
    friend class SceneManager;

    void invalidate();
    void updateWorld() const;
    void joinScene(SceneManager* scene);
    void leaveScene(SceneManager* scene);
    bool isAncestorOrSelf(const SceneNode* node) const;

    Vector2 position;
    Vector2 orientation;
    Vector2 scale;
    bool inheritOri = true;
    bool inheritScl = true;

    mutable Matrix3 worldMatrix{{1, 0, 0, 0, 1, 0, 0, 0, 1}};
    mutable Vector2 worldPosition;
    mutable Vector2 worldOrientation;
    mutable Vector2 worldScale;
    mutable bool matrixValid = false;
    mutable bool worldValid = false;

    SceneNode* parent = nullptr;
    Entity* entity = nullptr;
    SceneManager* manager = nullptr;
    std::vector<SceneNode*> children;
};

// Reads "Local", "Parent" or "World"; any other word sets the stream's fail state and leaves
// the value unchanged.
std::istream& operator>>(std::istream& in, SceneNode::TransformSpace& space);
std::ostream& operator<<(std::ostream& out, SceneNode::TransformSpace space);

#pragma once

#include "core/Vector2.h"
#include "world/Component.h"
#include "world/SceneProcess.h"

class Movable;

// Base of the components that steer their entity's Movable with respect to a target. Each runs
// as a process of its entity's scene.
class TargetFollower : public Component, public SceneProcess {
public:
    // Bearing within which a target counts as straight ahead (2.5 degrees).
    static constexpr double deadAngle = 0.04363323129985824;

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // From one entity's origin to another's in world space, (0, 0) when either has no node.
    // When both are wrapped by an active screen wrapper (or only the target is, and the
    // follower has none), each axis takes the short way round the target's area, so the
    // length is the true distance.
    static Vector2 worldTargetVector(const Entity* follower, const Entity* target);
    // A world vector seen from the node: turned back by its world orientation and divided by its
    // world scale (an axis of zero scale is left undivided).
    static Vector2 toOwnFrame(const SceneNode& node, const Vector2& world);

protected:
    Movable* getMovable() const;
    // The target of the entity's TargetSeeker, or null.
    Entity* seekerTarget() const;
};

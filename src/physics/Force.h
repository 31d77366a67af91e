#pragma once

#include "core/Vector2.h"
#include "physics/MovableAffector.h"
#include "world/SceneNode.h"

// A constant push on a movable, in the frame of the movable's node (Local), of its parent
// (Parent) or of the world. Never finishes; shareable.
class Force : public MovableAffector {
public:
    // Raises "Invalid zero-length force." for a force without a direction.
    Force(const Vector2& force, SceneNode::TransformSpace space);

    // Leaves a movable without a positive mass unchanged.
    bool update(Movable& movable, double seconds) override;

    double getMagnitude() const { return magnitude; }
    const Vector2& getDirection() const { return direction; }
    SceneNode::TransformSpace getSpace() const { return space; }

private:
    double magnitude;
    Vector2 direction;
    SceneNode::TransformSpace space;
};

#pragma once

#include "core/Vector2.h"
#include "physics/MovableAffector.h"
#include "world/SceneNode.h"

// Adds a velocity to a movable when attached and takes exactly that back once duration has
// passed; then it removes itself. Acts on one movable only.
class VelocityBurst : public MovableAffector {
public:
    VelocityBurst(const Vector2& burst, double duration, SceneNode::TransformSpace space)
        : MovableAffector(false), burst(burst), duration(duration), space(space) {}

    void attached(Movable& movable) override;
    bool update(Movable& movable, double seconds) override;

    const Vector2& getApplied() const { return applied; }
    double getElapsed() const { return elapsed; }

private:
    Vector2 burst;
    Vector2 applied;
    double duration;
    double elapsed = 0.0;
    SceneNode::TransformSpace space;
};

#include "physics/Force.h"

#include "core/myexception.h"
#include "physics/Movable.h"

#include <cmath>

Force::Force(const Vector2& force, SceneNode::TransformSpace space)
    : MovableAffector(true), magnitude(force.length()), space(space) {
    if (!(magnitude > 0.0) || !std::isfinite(magnitude))
        throw myexception("Invalid zero-length force.");
    direction = force / magnitude;
}

bool Force::update(Movable& movable, double seconds) {
    if (!(movable.getMass() > 0.0))
        return false;
    Vector2 turned = direction;
    if (SceneNode* node = movable.getNode()) {
        if (space == SceneNode::Local)
            turned = turned.rotatedBy(node->getOrientation());
        else if (space == SceneNode::Parent && node->getParent())
            turned = turned.rotatedBy(node->getParent()->getWorldOrientation());
    }
    movable.setVelocity(movable.getVelocity() + turned * (magnitude * seconds / movable.getMass()));
    return false;
}

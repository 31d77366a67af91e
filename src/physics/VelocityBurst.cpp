#include "physics/VelocityBurst.h"

#include "physics/Movable.h"

void VelocityBurst::attached(Movable& movable) {
    elapsed = 0.0;
    Vector2 turn(1, 0);
    if (SceneNode* node = movable.getNode()) {
        if (space == SceneNode::Local)
            turn = node->getOrientation();
        else if (space == SceneNode::Parent && node->getParent())
            turn = node->getParent()->getWorldOrientation();
    }
    // What was actually added is what is taken back, even if the velocity changed meanwhile.
    applied = burst.rotatedBy(turn);
    if (!movable.setVelocity(movable.getVelocity() + applied))
        applied = Vector2(0, 0);
}

bool VelocityBurst::update(Movable& movable, double seconds) {
    if (duration > elapsed) {
        elapsed += seconds;
        return false;
    }
    movable.setVelocity(movable.getVelocity() - applied);
    return true;
}

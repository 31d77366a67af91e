#include "gameplay/TurnAndDashTargetFollower.h"

#include "core/ParamList.h"
#include "physics/Movable.h"
#include "world/SceneNode.h"

#include <cmath>

const std::string& TurnAndDashTargetFollower::typeName() {
    static const std::string type = "TurnAndDashTargetFollower";
    return type;
}

Component* TurnAndDashTargetFollower::createNew(const ParamList& params) const {
    double turn = 0.0, dash = 0.0;
    params.getRequired("turnSpeed", turn, typeName());
    params.getRequired("dashSpeed", dash, typeName());
    return new TurnAndDashTargetFollower(turn, dash);
}

void TurnAndDashTargetFollower::updateProcess(double seconds) {
    // A dash runs out even while there is no target, so a lost target cannot leave it dashing.
    if (dashing) {
        dashTimer += seconds;
        if (dashTimer <= dashTime)
            return;
        dashing = false;
    }
    Movable* movable = getMovable();
    SceneNode* node = getNode();
    Entity* target = seekerTarget();
    if (!movable || !node || !target)
        return;
    const Vector2 world = worldTargetVector(getEntity(), target);
    const Vector2 bearing = toOwnFrame(*node, world).normalised();
    const double angle = bearing.angle();
    movable->setRelativeToOrientation(false);
    if (std::fabs(angle) < deadAngle && bearing.x > 0.0) {
        movable->setRotationalVelocity(0.0);
        movable->setVelocity(world.normalised() * dashSpeed);
        dashing = true;
        dashTimer = 0.0;
    } else {
        movable->setVelocity(Vector2());
        movable->setRotationalVelocity(angle > 0.0 ? turnSpeed : -turnSpeed);
    }
}

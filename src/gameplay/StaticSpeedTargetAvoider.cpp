#include "gameplay/StaticSpeedTargetAvoider.h"

#include "core/ParamList.h"
#include "physics/Movable.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cmath>

namespace {

const double degree = M_PI / 180.0;

struct Band {
    double low;
    double high;
};

} // namespace

const std::string& StaticSpeedTargetAvoider::typeName() {
    static const std::string type = "StaticSpeedTargetAvoider";
    return type;
}

Component* StaticSpeedTargetAvoider::createNew(const ParamList& params) const {
    double turn = 0.0, accel = 0.0, nearest = 0.0, farthest = 0.0;
    params.getRequired("turnSpeed", turn, typeName());
    params.getRequired("turnAccel", accel, typeName());
    params.getRequired("minDistance", nearest, typeName());
    params.getRequired("maxDistance", farthest, typeName());
    return new StaticSpeedTargetAvoider(turn, accel, nearest, farthest);
}

void StaticSpeedTargetAvoider::updateProcess(double seconds) {
    Movable* movable = getMovable();
    SceneNode* node = getNode();
    Entity* target = seekerTarget();
    if (!movable || !node || !target)
        return;
    const Vector2 toTarget = toOwnFrame(*node, worldTargetVector(getEntity(), target));
    const double distance = toTarget.length();
    Band band{110 * degree, 160 * degree};
    if (distance > maxDistance)
        band = {0.0, 30 * degree};
    else if (distance > (minDistance + maxDistance) / 2)
        band = {20 * degree, 90 * degree};
    else if (distance > minDistance)
        band = {75 * degree, 120 * degree};

    const double angle = toTarget.angle();
    const double change = turnAccel * seconds;
    double rotation = movable->getRotationalVelocity();
    if (angle > band.high || (-band.low < angle && angle < 0.0)) {
        if (rotation < turnSpeed)
            rotation = std::min(rotation + change, turnSpeed);
    } else if (angle < -band.high || (0.0 < angle && angle < band.low)) {
        if (rotation > -turnSpeed)
            rotation = std::max(rotation - change, -turnSpeed);
    } else {
        rotation =
            rotation > 0.0 ? std::max(rotation - change, 0.0) : std::min(rotation + change, 0.0);
    }
    movable->setRotationalVelocity(rotation);
    const double speed = movable->getVelocity().length();
    movable->setVelocity(Vector2(1.0, 0.0).rotatedBy(node->getWorldOrientation()) * speed);
    movable->setRelativeToOrientation(false);
}

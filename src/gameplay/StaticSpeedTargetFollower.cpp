#include "gameplay/StaticSpeedTargetFollower.h"

#include "core/ParamList.h"
#include "gameplay/TargetableGroupSeeker.h"
#include "physics/Movable.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cmath>

const std::string& StaticSpeedTargetFollower::typeName() {
    static const std::string type = "StaticSpeedTargetFollower";
    return type;
}

Component* StaticSpeedTargetFollower::createNew(const ParamList& params) const {
    double turn = 0.0, choiceRate = 0.0;
    params.getRequired("turnSpeed", turn, typeName());
    params.getRequired("targetChoiceRate", choiceRate, typeName());
    return new StaticSpeedTargetFollower(turn, choiceRate);
}

Entity* StaticSpeedTargetFollower::currentTarget(double seconds) {
    if (targetChoiceRate < 0.0)
        return seekerTarget();
    auto* seeker = getSibling<TargetableGroupSeeker>(TargetableGroupSeeker::typeName());
    SceneNode* node = getNode();
    if (!seeker || !node)
        return nullptr;
    choiceTimer += seconds;
    if (!seeker->getTarget() || choiceTimer >= targetChoiceRate) {
        choiceTimer = 0.0;
        seeker->chooseNearest(node->getWorldPosition());
    }
    return seeker->getTarget();
}

void StaticSpeedTargetFollower::updateProcess(double seconds) {
    Movable* movable = getMovable();
    SceneNode* node = getNode();
    if (!movable || !node)
        return;
    Entity* target = currentTarget(seconds);
    if (!target)
        return;
    const Vector2 bearing = toOwnFrame(*node, worldTargetVector(getEntity(), target)).normalised();
    // On top of the target there is no direction to turn to.
    if (bearing == Vector2())
        return;
    const double angle = bearing.angle();
    if (std::fabs(angle) < deadAngle && bearing.x > 0.0)
        return;
    const double step = std::copysign(std::min(turnSpeed * seconds, std::fabs(angle)), angle);
    const Vector2 turn = Vector2::fromAngle(step);
    node->rotate(turn);
    movable->setVelocity(movable->getVelocity().rotatedBy(turn));
    movable->setRelativeToOrientation(false);
}

#include "gameplay/TargetFollower.h"

#include "gameplay/ScreenWrapper.h"
#include "gameplay/TargetSeeker.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <cmath>

namespace {

ScreenWrapper* wrapperOf(const Entity* entity) {
    return entity->getComponent<ScreenWrapper>(ScreenWrapper::typeName());
}

// The shorter of the direct offset and the one round the wrap edge.
double shortWay(double offset, double extent) {
    if (extent > 0.0 && std::fabs(offset) > extent - std::fabs(offset))
        return offset - std::copysign(extent, offset);
    return offset;
}

} // namespace

void TargetFollower::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    followScene(newManager, oldManager);
}

Vector2 TargetFollower::worldTargetVector(const Entity* follower, const Entity* target) {
    SceneNode* from = follower ? follower->getNode() : nullptr;
    SceneNode* to = target ? target->getNode() : nullptr;
    if (!from || !to)
        return Vector2();
    Vector2 offset = to->getWorldPosition() - from->getWorldPosition();
    ScreenWrapper* targetWrapper = wrapperOf(target);
    ScreenWrapper* ownWrapper = wrapperOf(follower);
    AxisAlignedBox area, ownArea;
    if (!targetWrapper || !targetWrapper->activeWrapArea(area))
        return offset;
    if (ownWrapper && !ownWrapper->activeWrapArea(ownArea))
        return offset;
    const Vector2 size = area.getSize();
    return Vector2(shortWay(offset.x, size.x), shortWay(offset.y, size.y));
}

Vector2 TargetFollower::toOwnFrame(const SceneNode& node, const Vector2& world) {
    Vector2 local = world.rotatedBy(node.getWorldOrientation().conjugate());
    const Vector2& scale = node.getWorldScale();
    if (scale.x != 0.0)
        local.x /= scale.x;
    if (scale.y != 0.0)
        local.y /= scale.y;
    return local;
}

Movable* TargetFollower::getMovable() const {
    return getSibling<Movable>(Movable::typeName());
}

Entity* TargetFollower::seekerTarget() const {
    auto* seeker = getSibling<TargetSeeker>(TargetSeeker::typeName());
    return seeker ? seeker->getTarget() : nullptr;
}

#include "gameplay/MovableDeflector.h"

#include "gameplay/Deflectable.h"
#include "physics/Collidable.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

namespace {

// How far a mover is put clear of the edge it is pushed out over.
const double clearance = 2.0;
// A centre this far inside an edge still counts as coming in over it.
const double edgeDepth = 1.0;

// The offset along one axis that takes a box of the given extent centred at centre out of
// [low, high] over the edge it came in by, or 0 when it is deeper inside than edgeDepth.
double pushAlong(double centre, double extent, double low, double high, bool& pushed) {
    pushed = true;
    if (centre < (low + high) * 0.5 && centre <= low + edgeDepth)
        return low - extent * 0.5 - centre - clearance;
    if (centre >= high - edgeDepth)
        return high + extent * 0.5 - centre + clearance;
    pushed = false;
    return 0.0;
}

} // namespace

const std::string& MovableDeflector::typeName() {
    static const std::string type = "MovableDeflector";
    return type;
}

void MovableDeflector::collisionStarted(const CollidableEventPtr& event) {
    Entity* mover = otherEntity(*event);
    if (!mover || mover == getEntity())
        return;
    auto* deflectable = mover->getComponent<Deflectable>(Deflectable::typeName());
    if (!deflectable || !getSibling(Collidable::roleName()) ||
        !mover->getComponent(Collidable::roleName()))
        return;
    if (deflectable->getReaction() == Deflectable::Reaction::Kill) {
        mover->kill();
        return;
    }
    pushOut(*mover, *deflectable);
}

void MovableDeflector::pushOut(Entity& mover, Deflectable& deflectable) {
    SceneNode* node = mover.getNode();
    if (!node)
        return;
    // Copies: a collidable's world box is only valid until its next refresh.
    const AxisAlignedBox obstacle =
        getSibling<Collidable>(Collidable::roleName())->getWorldBoundingBox();
    const AxisAlignedBox box =
        mover.getComponent<Collidable>(Collidable::roleName())->getWorldBoundingBox();
    const Vector2 centre = box.getCenter();
    const Vector2 size = box.getSize();
    bool pushedX = false, pushedY = false;
    const Vector2 offset(pushAlong(centre.x, size.x, obstacle.min.x, obstacle.max.x, pushedX),
                         pushAlong(centre.y, size.y, obstacle.min.y, obstacle.max.y, pushedY));

    Movable* movable = deflectable.getReaction() == Deflectable::Reaction::Stop
                           ? mover.getComponent<Movable>(Movable::typeName())
                           : nullptr;
    if (movable && (pushedX || pushedY)) {
        Vector2 velocity = movable->getVelocity();
        if (pushedX)
            velocity.x = 0.0;
        if (pushedY)
            velocity.y = 0.0;
        movable->setVelocity(velocity);
        movable->setRelativeToOrientation(false);
    }
    node->translate(offset, SceneNode::World);
    if (SceneManager* scene = getSceneManager())
        deflectable.queueRecheck(*scene);
}

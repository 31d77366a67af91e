#include "gameplay/DeflectOnPing.h"

#include "gameplay/PlayerPing.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <cmath>

const std::string& DeflectOnPing::typeName() {
    static const std::string type = "DeflectOnPing";
    return type;
}

void DeflectOnPing::collisionStarted(const CollidableEventPtr& event) {
    Entity* ping = otherEntity(*event);
    if (!PlayerPing::isPing(ping))
        return;
    auto* movable = getSibling<Movable>(Movable::typeName());
    SceneNode* node = getNode();
    SceneNode* pingNode = ping->getNode();
    if (!movable || !node || !pingNode)
        return;
    const Vector2 away = node->getWorldPosition() - pingNode->getWorldPosition();
    // A ping exactly on the entity gives no direction to fly in; the entity is left as it was
    // rather than given a NaN velocity and orientation.
    const double distance = away.length();
    if (!(distance > 0.0) || !std::isfinite(distance))
        return;
    const Vector2 direction = away / distance;
    movable->setVelocity(direction * movable->getVelocity().length());
    movable->setRelativeToOrientation(false);
    node->setOrientation(direction, SceneNode::World);
}

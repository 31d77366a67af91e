#include "gameplay/ScalingPowerUpReceptor.h"

#include "gameplay/PowerUp.h"
#include "gameplay/ScalingPowerUp.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <cmath>

const std::string& ScalingPowerUpReceptor::typeName() {
    static const std::string type = "ScalingPowerUpReceptor";
    return type;
}

void ScalingPowerUpReceptor::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    followScene(newManager, oldManager);
}

void ScalingPowerUpReceptor::collisionStarted(const CollidableEventPtr& event) {
    Entity* other = otherEntity(*event);
    SceneNode* node = getNode();
    if (!other || other == getEntity() || !node || PowerUp::isLeaving(other))
        return;
    auto* powerUp = other->getComponent<ScalingPowerUp>(ScalingPowerUp::typeName());
    if (!powerUp)
        return;
    const double amount = powerUp->getAmount();
    if (!std::isfinite(amount) || amount <= 0.0)
        return;
    // Only a receptor that was never scaled shows its own scale now. While an enlargement runs,
    // and after one has run out (the saved scale comes back on the next tick), the node may still
    // show the enlarged scale, which must not become the base.
    if (remainingTime < 0.0)
        baseScale = node->getScale();
    const double time = powerUp->getTime();
    remainingTime = time > 0.0 ? time : 0.0;
    node->setScale(Vector2(amount, amount), SceneNode::Parent);
    other->kill();
}

void ScalingPowerUpReceptor::updateProcess(double seconds) {
    if (remainingTime < 0.0)
        return;
    if (remainingTime == 0.0) {
        if (SceneNode* node = getNode())
            node->setScale(baseScale, SceneNode::Parent);
    }
    remainingTime -= seconds;
    if (remainingTime < 0.0)
        remainingTime = 0.0;
}

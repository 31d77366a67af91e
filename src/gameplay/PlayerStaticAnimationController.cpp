#include "gameplay/PlayerStaticAnimationController.h"

const std::string& PlayerStaticAnimationController::typeName() {
    static const std::string type = "PlayerStaticAnimationController";
    return type;
}

void PlayerStaticAnimationController::actionStarted(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Thrust)
        requestAnimation("Flame");
}

void PlayerStaticAnimationController::actionStopped(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Thrust)
        showAnimation("None");
}
